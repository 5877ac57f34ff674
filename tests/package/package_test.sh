#!/usr/bin/env bash
# Checks the installed tree and the .deb: every program, menu entry, icon and
# metainfo file in its place, the validators content, the package's Depends,
# and each unpacked program starting under Xvfb and ending on Esc with 0.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source_dir=$2
source "$source_dir/tests/smoke/xsession.sh"

scratch=$(mktemp -d)
trap 'xs_cleanup; rm -rf "$scratch"' EXIT

ids=(org.mcuteach.Seg7Demo org.mcuteach.BaudFind org.mcuteach.RadixConv)
programs=(seg7demo baudfind radixconv)
titles=("Velbrisk-数码管显示驱动演示" "寻找波特率" "(进制转换|请输入十进制数)")

expect_files() {
  local root=$1
  for program in "${programs[@]}"; do
    [[ -x "$root/usr/bin/$program" ]] || xs_fail "$root lacks usr/bin/$program"
  done
  for id in "${ids[@]}"; do
    for file in "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
                "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png"; do
      [[ -f "$root/$file" ]] || xs_fail "$root lacks $file"
    done
    desktop-file-validate "$root/usr/share/applications/$id.desktop" || xs_fail "$id.desktop does not validate"
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" > "$scratch/appstream.log" 2>&1 ||
      { cat "$scratch/appstream.log"; xs_fail "$id.metainfo.xml does not validate"; }
  done
  [[ "$(file -b --mime-type "$root/usr/share/icons/hicolor/48x48/apps/${ids[0]}.png")" == image/png ]] || xs_fail "icon is no PNG"
  identify -format '%wx%h' "$root/usr/share/icons/hicolor/48x48/apps/${ids[0]}.png" | grep -qx 48x48 || xs_fail "icon is not 48x48"
}

# 1. cmake --install honours DESTDIR staging.
DESTDIR="$scratch/stage" cmake --install "$build" --prefix /usr > /dev/null
expect_files "$scratch/stage"
echo "install: ok"

# 2. The .deb: contents and Depends.
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/pkg" > "$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; xs_fail "cpack failed"; }
deb=$(ls "$scratch"/pkg/*.deb)
dpkg-deb -c "$deb" > "$scratch/contents"
for program in "${programs[@]}"; do
  grep -q "./usr/bin/$program\$" "$scratch/contents" || xs_fail "the package lacks usr/bin/$program"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in fonts-arphic-uming libqt6widgets6 libqt6gui6 libqt6core6 libgmp10 libc6; do
  grep -q "$needed" <<<"$depends" || xs_fail "Depends lacks $needed"
done
dpkg -x "$deb" "$scratch/root"
expect_files "$scratch/root"
echo "package: ok"

# 3. Each unpacked program starts and ends on Esc with status 0.
xs_start_server
for i in "${!programs[@]}"; do
  xs_launch "$scratch/root/usr/bin/${programs[$i]}"
  wid=$(xs_wait_window "${titles[$i]}")
  xs_focus "$wid"
  xs_key Escape
  status=0
  xs_wait_exit 10 || status=$?
  [[ $status -eq 0 ]] || xs_fail "${programs[$i]} ended with status $status"
  echo "${programs[$i]}: starts and ends on Esc"
done
