#!/usr/bin/env bash
# Builds and runs the settings dialog's open-time benchmark under Wine.
exec "$(cd "$(dirname "$0")/../.." && pwd)/scripts/bench" config
