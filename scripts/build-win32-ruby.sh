#!/usr/bin/env bash
# Builds a 32-bit Windows Ruby from Debian's own source package of the Ruby the POSIX builds
# use, with the mingw-w64 cross compiler, and installs it under DIR/prefix:
#   scripts/build-win32-ruby.sh DIR
# A finished build is kept and not built again.
set -euo pipefail

dir=$(realpath -m "${1:?usage: build-win32-ruby.sh DIR}")
prefix=$dir/prefix
[ -f "$prefix/.complete" ] && exit 0
export DEBIAN_FRONTEND=noninteractive

# The source comes from the main archive that the machine's own package entries name; its
# security archive holds no source.
sources=/etc/apt/sources.list.d/zorruby-source.sources
if [ ! -f "$sources" ]; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    awk 'BEGIN { RS = ""; ORS = "\n\n" } /Types:[^\n]*deb/ && !/Suites:[^\n]*-security/ {
           sub(/Types:[^\n]*/, "Types: deb-src"); print; exit }' /etc/apt/sources.list.d/debian.sources >"$sources"
  else
    grep -E '^deb ' /etc/apt/sources.list | grep -v -- '-security' | head -1 | sed 's/^deb /deb-src /' \
      >/etc/apt/sources.list.d/zorruby-source.list
    : >"$sources"
  fi
  apt-get update -q </dev/null
fi
version=$(apt-cache madison ruby3.1 | awk -F' *[|] *' '$3 ~ /Sources/ && $3 !~ /security/ { print $2; exit }')
[ -n "$version" ] || { echo "build-win32-ruby: no source package of ruby3.1 found" >&2; exit 1; }

mkdir -p "$dir/src"
if [ ! -d "$dir/src/ruby" ]; then
  (cd "$dir/src" && apt-get source -q "ruby3.1=$version" </dev/null)
  mv "$dir/src"/ruby3.1-*/ "$dir/src/ruby"
fi

rm -rf "$dir/obj" "$prefix"
mkdir -p "$dir/obj"
cd "$dir/obj"
# Extensions that need libraries the cross compiler lacks are left out.
"$dir/src/ruby/configure" --host=i686-w64-mingw32 --with-baseruby=/usr/bin/ruby --enable-shared \
  --prefix="$prefix" --disable-install-doc \
  --with-out-ext=openssl,zlib,readline,fiddle,psych,gdbm,dbm >configure.log 2>&1 ||
  { tail -40 configure.log >&2; exit 1; }
make -j"$(nproc)" >make.log 2>&1 || { tail -60 make.log >&2; exit 1; }
make install-nodoc >install.log 2>&1 || { tail -60 install.log >&2; exit 1; }
touch "$prefix/.complete"
echo "build-win32-ruby: $(ls "$prefix/bin"/*.dll) built from ruby3.1 $version"
