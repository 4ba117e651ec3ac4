// The one place that decides which media object control 1000 hosts: the
// platform's player control when its automation works, our DirectShow
// component otherwise. Tests put their own factory in its place.
#pragma once
#include <windows.h>
#include <unknwn.h>

// Returns a new object (one reference for the caller), or nullptr.
typedef IUnknown* (*MediaObjectFactory)();

IUnknown* CreateMediaObject();
// Replaces the choice for the tests; nullptr restores it. Returns the
// factory that was in force.
MediaObjectFactory SetMediaObjectFactory(MediaObjectFactory pfnFactory);
