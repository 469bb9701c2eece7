#!/usr/bin/env bash
# Installs the Debian packages needed to build, run, test, benchmark and package azodo,
# skipping what is already there.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config file
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool x11-utils twm imagemagick libx11-dev poppler-utils strace time acl attr
  libbenchmark-dev
  desktop-file-utils appstream dpkg-dev fakeroot lintian fonts-dejavu-extra
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "install-deps: missing Debian packages (${missing[*]}), and installing them needs root or sudo, which this user does not have." >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
# A fresh machine may be busy with its own update at boot: apt waits for the package
# locks (up to 10 minutes each time), and a step that still fails is tried again, up to
# 6 times a minute apart.
apt_opts=(-q -o Acquire::Retries=3 -o DPkg::Lock::Timeout=600)
again() {
  local n
  for n in 1 2 3 4 5 6; do
    "$@" && return 0
    [ "$n" -lt 6 ] || break
    echo "install-deps: '$*' failed (attempt $n of 6); trying again in 60 s" >&2
    sleep 60
  done
  return 1
}
root() { "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive "$@"; }
again root apt-get "${apt_opts[@]}" update
# An install that was interrupted (a boot-time upgrade cut off) must be finished first.
again root dpkg --configure -a
again root apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}"
