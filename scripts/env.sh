# Shared settings of Kestova's scripts; sourced, never run.
KESTOVA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KESTOVA_CACHE=${KESTOVA_CACHE:-/var/cache/kestova}
export CCACHE_DIR=${CCACHE_DIR:-$KESTOVA_CACHE/ccache}
# Paths relative to the checkout, so clones and work trees share the cache.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$KESTOVA_ROOT} CCACHE_NOHASHDIR=1
export WINEPREFIX=${KESTOVA_WINEPREFIX:-$KESTOVA_CACHE/wine-prefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The tests compare ANSI texts: one locale, one code page (1252), everywhere.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
KESTOVA_MINGW=i686-w64-mingw32
KESTOVA_JOBS=${KESTOVA_JOBS:-$(nproc)}

deps_prefix() {
  local gcc_version
  gcc_version=$("$KESTOVA_MINGW-gcc-posix" -dumpfullversion 2>/dev/null || echo none)
  echo "$KESTOVA_CACHE/deps-gcc$gcc_version-expat2.5.0-png1.6.39-poco1.11.0-bench1.7.1"
}
