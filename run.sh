#!/usr/bin/env bash
# Builds Tolvane and starts it. With FTDI's D2XX library installed (libftd2xx.so known to the
# dynamic loader) it talks to a real Pellix; otherwise it runs against the simulated interface unit
# and decoder built alongside it.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh
cmake --preset default
cmake --build --preset default

if ldconfig -p | grep -q 'libftd2xx\.so '; then
  echo "Using the installed D2XX library."
else
  echo "No D2XX library installed: using the simulated Pellix and decoder."
  export LD_LIBRARY_PATH="$PWD/build/default/simulator/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fi
exec build/default/app/Tolvane
