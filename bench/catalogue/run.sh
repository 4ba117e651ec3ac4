#!/usr/bin/env bash
# Builds and runs the stored-list benchmark under Wine.
exec "$(cd "$(dirname "$0")/../.." && pwd)/scripts/bench" catalogue
