#!/usr/bin/env bash
# Cross-builds a 32-bit Windows Ruby 3.1 from Debian's own source package with Debian's
# mingw-w64 compiler, for the Windows build of the plug-in to link and to run under Wine:
#   scripts/win32-ruby.sh DIR
# DIR/src holds the unpacked source, DIR/obj the build, DIR/prefix the installed Ruby:
#   bin/msvcrt-ruby310.dll, lib/libmsvcrt-ruby310.dll.a, include/ruby-3.1.0,
#   lib/ruby/3.1.0 (with i386-mingw32/ for the compiled extensions and encodings),
#   lib/pkgconfig/ruby-3.1.pc.
# The DLL finds its library relative to itself: it has to stay in bin/, next to lib/.
# A finished build is kept: run again with the same configuration, the script only checks
# its stamp.
set -euo pipefail

me=win32-ruby
die() { echo "$me: $*" >&2; exit 1; }

[ $# -eq 1 ] || die "usage: $0 DIR"
dir=$(realpath -m "$1")
src=$dir/src
obj=$dir/obj
prefix=$dir/prefix
stamp=$prefix/.win32-ruby-complete
dll=$prefix/bin/msvcrt-ruby310.dll
baseruby=/usr/bin/ruby

# Extensions left out: those needing libraries the cross compiler has none of (OpenSSL, zlib,
# readline, libffi), and the test-only ones, which are never installed. "+" keeps the
# platform's own exclusions (pty, syslog).
without_ext='+,fiddle,openssl,readline,zlib,-test-/*'
# The interpreter links libgcc statically by itself; the extensions do so only when told,
# else some of them (bigdecimal's 64-bit divisions) need libgcc_s_dw2-1.dll at run time.
configure_args=(
  --host=i686-w64-mingw32
  --with-baseruby="$baseruby"
  --enable-shared
  --prefix="$prefix"
  --disable-install-doc
  --with-out-ext="$without_ext"
  LDFLAGS=-static-libgcc
)
# The stamp records the configuration it was built with; another one builds again.
if [ -f "$dll" ] && [ -f "$stamp" ] && [ "$(sed -n 2p "$stamp")" = "${configure_args[*]}" ] &&
  [ "$(sed -n 3p "$stamp")" = complete ]; then
  exit 0
fi

[ "$(id -u)" -eq 0 ] || die "must run as root (it installs packages and an apt source entry)"
export DEBIAN_FRONTEND=noninteractive
exec </dev/null
started=$(date +%s)

# apt-get update at most once per run.
updated=no
apt_update() {
  if [ "$updated" = no ]; then
    apt-get update -q >/dev/null
    updated=yes
  fi
}

# Debian packages the build needs. An entry "a|b" is satisfied by either package; the first
# one is installed when neither is.
needed=(
  make xz-utils dpkg-dev bison ruby
  "gcc-mingw-w64-i686|g++-mingw-w64-i686|gcc-mingw-w64-i686-win32|gcc-mingw-w64-i686-posix"
  binutils-mingw-w64-i686 mingw-w64-i686-dev
)
installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}
missing=()
for entry in "${needed[@]}"; do
  IFS='|' read -r -a choices <<<"$entry"
  found=no
  for p in "${choices[@]}"; do
    if installed "$p"; then found=yes; break; fi
  done
  [ "$found" = yes ] || missing+=("${choices[0]}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "$me: installing ${missing[*]}"
  apt_update
  apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
command -v i686-w64-mingw32-gcc >/dev/null || die "i686-w64-mingw32-gcc not found"
case "$("$baseruby" -e 'print RUBY_VERSION')" in
  3.1.*) ;;
  *) die "$baseruby is not Ruby 3.1; the cross build needs a same-version Ruby to run its tools" ;;
esac

# The machine's main Debian archive (not its security archive, which carries no source), as
# a deb822 stanza with "Types: deb-src", or as deb-src lines when the machine only has a
# one-line-style sources.list.
deb822=/etc/apt/sources.list.d/debian.sources
oneline=/etc/apt/sources.list
main_archive_deb822() {
  awk 'BEGIN { RS = ""; FS = "\n" }
       {
         types = ""; suites = ""
         for (i = 1; i <= NF; i++) {
           if ($i ~ /^Types:/) types = $i
           if ($i ~ /^Suites:/) suites = $i
         }
         if (types !~ /[: ]deb( |$)/ || suites ~ /-security/) next
         print "Types: deb-src"
         for (i = 1; i <= NF; i++)
           if ($i !~ /^#/ && $i !~ /^Types:/) print $i
         exit
       }' "$deb822"
}
main_archive_oneline() {
  awk '$1 == "deb" {
         n = 2
         if ($2 ~ /^\[/) { while (n <= NF && $n !~ /\]$/) n++; n++ }
         if ($(n + 1) ~ /-security|\/updates/ || $n ~ /security/) next
         $1 = "deb-src"; print
       }' "$oneline"
}
# The first suite and the first URI of the main archive; the source package to build is the
# one in that suite.
main_field() {
  if [ -f "$deb822" ]; then
    main_archive_deb822 | awk -v f="$1" '!done && $1 == (f == "suite" ? "Suites:" : "URIs:") { print $2; done = 1 }'
  else
    main_archive_oneline | awk -v f="$1" '!done { n = 2; if ($2 ~ /^\[/) { while (n <= NF && $n !~ /\]$/) n++; n++ }
                                                   print (f == "suite" ? $(n + 1) : $n); done = 1 }'
  fi
}
# Whether any apt source file already has a deb-src entry for URI.
have_deb_src() {
  local uri=${1%/} f
  for f in "$oneline" /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    awk -v u="$uri" '$1 == "deb-src" { for (i = 2; i <= NF; i++) { sub(/\/$/, "", $i); if ($i == u) found = 1 } }
                     END { exit !found }' "$f" && return 0
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk -v u="$uri" 'BEGIN { RS = ""; FS = "\n" }
         { src = 0; has = 0
           for (i = 1; i <= NF; i++) {
             if ($i ~ /^Types:/ && $i ~ /[: ]deb-src( |$)/) src = 1
             if ($i ~ /^URIs:/) { n = split($i, w, " "); for (j = 2; j <= n; j++) { sub(/\/$/, "", w[j]); if (w[j] == u) has = 1 } }
           }
           if (src && has) found = 1 }
         END { exit !found }' "$f" && return 0
  done
  return 1
}
ruby_source_version() {
  apt-cache madison ruby3.1 |
    awk -F' *[|] *' -v suite="$suite" '!done && $3 ~ (" " suite "/") && $3 ~ / Sources$/ { print $2; done = 1 }'
}

suite=$(main_field suite)
uri=$(main_field uri)
if [ -z "$suite" ] || [ -z "$uri" ]; then
  die "no main Debian archive found in $deb822 or $oneline"
fi
version=$(ruby_source_version)
if [ -z "$version" ]; then
  if ! have_deb_src "$uri"; then
    if [ -f "$deb822" ]; then
      entry=$(main_archive_deb822)
      file=/etc/apt/sources.list.d/win32-ruby-source.sources
    else
      entry=$(main_archive_oneline)
      file=/etc/apt/sources.list.d/win32-ruby-source.list
    fi
    [ -n "$entry" ] || die "could not derive a deb-src entry"
    echo "$me: adding $file"
    printf '%s\n' "$entry" >"$file"
    updated=no
  fi
  apt_update
  version=$(ruby_source_version)
  [ -n "$version" ] || die "no ruby3.1 source package in suite $suite of $uri"
fi

# Source: fetched once per version and unpacked with Debian's patches.
if [ ! -f "$src/ruby/.unpacked" ] || [ "$(cat "$src/ruby/.unpacked")" != "$version" ]; then
  rm -rf "$src"
  mkdir -p "$src"
  (cd "$src" && apt-get -q -o APT::Sandbox::User=root source --download-only "ruby3.1=$version" >/dev/null)
  # apt has checked the files against the archive's signed index; dpkg-source's own look at
  # the uploader's signature needs a keyring that is not installed, so its chatter is kept
  # in a log.
  dpkg-source -x "$src/ruby3.1_${version#*:}.dsc" "$src/ruby" >"$src/unpack.log" 2>&1 ||
    { tail -20 "$src/unpack.log" >&2; die "unpacking the source failed"; }
  echo "$version" >"$src/ruby/.unpacked"
  rm -rf "$obj"
fi

if [ ! -f "$obj/Makefile" ] || [ "$(cat "$obj/.configure-args" 2>/dev/null)" != "${configure_args[*]}" ]; then
  rm -rf "$obj"
  mkdir -p "$obj"
  cd "$obj"
  "$src/ruby/configure" "${configure_args[@]}" >configure.log 2>&1 ||
    { tail -40 configure.log >&2; die "configure failed, see $obj/configure.log"; }
  echo "${configure_args[*]}" >.configure-args
fi
cd "$obj"
make -j"$(nproc)" >make.log 2>&1 || { tail -60 make.log >&2; die "make failed, see $obj/make.log"; }

# The install targets of "make install" without its first step, which downloads the bundled
# gems (their unpacked copies in the source are installed as they are). The build's tools run
# under the Linux Ruby, whose Debian defaults would send gems to the system's gem directory;
# the variable turns those defaults off, so that everything lands under the prefix.
rm -rf "$prefix" .installed.list
DEBIAN_DISABLE_RUBYGEMS_INTEGRATION=1 make install-local install-ext >install.log 2>&1 ||
  { tail -60 install.log >&2; die "install failed, see $obj/install.log"; }
outside=$(awk -v p="$prefix/" 'index($0, p) != 1' .installed.list)
if [ -n "$outside" ]; then
  head -5 <<<"$outside" >&2
  die "files were installed outside $prefix (listed in $obj/.installed.list)"
fi

# The installed binaries lose their debugging information (the DLL alone carries over 100 MB
# of it); the copies in DIR/obj keep it, for addr2line on addresses from a Wine backtrace.
find "$prefix" -type f \( -name '*.dll' -o -name '*.exe' -o -name '*.so' \) \
  -exec i686-w64-mingw32-strip --strip-debug {} +

# Nothing installed may need a DLL that a Windows system lacks (the compiler's runtime
# libraries, say), apart from the interpreter's own.
needs=$(find "$prefix" -type f \( -name '*.dll' -o -name '*.exe' -o -name '*.so' \) \
  -exec i686-w64-mingw32-objdump -p {} + |
  awk '/^\/|:[[:space:]]+file format/ { file = $1 } $1 == "DLL" && $2 == "Name:" && tolower($3) ~ /^lib/ && tolower($3) != "msvcrt-ruby310.dll" { print file, $3 }')
[ -z "$needs" ] || { echo "$needs" >&2; die "installed files need DLLs that are not installed"; }

for f in "$dll" "$prefix/lib/libmsvcrt-ruby310.dll.a" \
  "$prefix/include/ruby-3.1.0/ruby.h" "$prefix/include/ruby-3.1.0/i386-mingw32/ruby/config.h" \
  "$prefix/lib/ruby/3.1.0/rubygems.rb" "$prefix/lib/ruby/3.1.0/i386-mingw32/rbconfig.rb" \
  "$prefix/lib/ruby/3.1.0/i386-mingw32/enc/windows_1252.so" \
  "$prefix/lib/ruby/3.1.0/i386-mingw32/enc/trans/single_byte.so" \
  "$prefix/lib/pkgconfig/ruby-3.1.pc"; do
  [ -e "$f" ] || die "missing after install: $f"
done

printf 'ruby3.1 %s\n%s\ncomplete\n' "$version" "${configure_args[*]}" >"$stamp"
echo "$me: ruby3.1 $version for i686-w64-mingw32 in $prefix ($(($(date +%s) - started)) s)"
