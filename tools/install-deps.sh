#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests and benchmarks need,
# and generates the locales the tests and benchmarks run under (Finnish,
# Swedish and American English; C.UTF-8 comes with the C library).
# Idempotent: installs and generates only what is missing. Needs root (or
# sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libsqlite3-dev libcurl4-openssl-dev zlib1g-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation poppler-utils
  openssl locales
)
locales=(fi_FI.UTF-8 sv_FI.UTF-8 en_US.UTF-8)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# locale -a names fi_FI.UTF-8 as fi_FI.utf8.
absent=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "${l%.UTF-8}.utf8" || absent+=("$l")
done
[ ${#absent[@]} -eq 0 ] && exit 0
echo "Generating locales: ${absent[*]}"
# Each is switched on in /etc/locale.gen, where the package lists every
# locale commented out, so that locale-gen makes it again after an update.
for l in "${absent[@]}"; do
  if grep -q "^# *$l UTF-8\$" /etc/locale.gen; then
    "${as_root[@]}" sed -i "s/^# *\($l UTF-8\)\$/\1/" /etc/locale.gen
  elif ! grep -q "^$l UTF-8\$" /etc/locale.gen; then
    echo "$l UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
done
"${as_root[@]}" locale-gen >/dev/null
