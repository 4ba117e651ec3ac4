#!/usr/bin/env bash
# Makes this host run the i386 Wine loader through the user-mode emulator, as
# scripts/ia32-emulation does where the kernel runs no 32-bit code: forced,
# the emulator fetched into a new folder, and registered in a binfmt_misc
# instance of a user and mount namespace of this test's own (Linux 6.7 and
# later), so that the machine's own handlers stay as they are. The loader must
# then start, through the emulator; a second run must find nothing in its way.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export DRIFTREEL_IA32_FORCE=1 DRIFTREEL_IA32_EMULATOR=$folder/qemu-i386

# shellcheck disable=SC2016
unshare --user --map-root-user --mount bash -uo pipefail -c '
  binfmt=/proc/sys/fs/binfmt_misc
  if ! mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null; then
    echo "SKIPPED: this kernel gives a user namespace no binfmt_misc of its own"; exit 77
  fi
  for try in first second; do
    "$1/scripts/ia32-emulation" || { echo "FAIL: scripts/ia32-emulation failed on the $try run"; exit 1; }
  done
  grep -qx "interpreter $DRIFTREEL_IA32_EMULATOR" "$binfmt/driftreel-i386" \
    || { echo "FAIL: no handler runs i386 programs through $DRIFTREEL_IA32_EMULATOR"; exit 1; }
  # The emulator, not the loader, answers QEMU_VERSION.
  QEMU_VERSION=1 /usr/lib/wine/wine --version 2>&1 | grep -q "^qemu-i386 version" \
    || { echo "FAIL: the i386 Wine loader does not run through the emulator"; exit 1; }
  /usr/lib/wine/wine --version | grep -q "^wine-" || { echo "FAIL: the emulated loader does not start"; exit 1; }
' _ "$root"
echo "the i386 Wine loader runs through $DRIFTREEL_IA32_EMULATOR"
