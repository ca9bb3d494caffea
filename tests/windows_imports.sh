#!/usr/bin/env bash
# Proves that the program loads on Windows 7 SP1: it imports from system DLLs
# only, and every function it imports is declared by mingw-w64's headers for
# Windows 7 (_WIN32_WINNT 0x0601), which leave out what came later. Wine
# exports every Windows version's functions, so running the program there
# cannot tell.
# It also checks that the loader is told of each protection named after the
# program (DYNAMIC_BASE for ASLR, NX_COMPAT for DEP).
# usage: windows_imports.sh OBJDUMP COMPILER PROGRAM [PROTECTION...]
set -euo pipefail
objdump=$1 compiler=$2 program=$3

# The DLLs of every Windows since 7 that the program may import from.
system_dlls=(kernel32.dll user32.dll gdi32.dll comctl32.dll ole32.dll oleaut32.dll oleacc.dll
  advapi32.dll shell32.dll msvcrt.dll)
# The C run time's start-up entries, which its headers keep to themselves,
# and the data the 32-bit headers reach through a macro; msvcrt.dll has had
# them since long before Windows 7.
crt_start_up=(__set_app_type __setusermatherr __wgetmainargs __winitenv _amsg_exit _commode
  __p__commode __mb_cur_max _initterm _lock _unlock)
is_one_of() { [[ " ${*:2} " == *" $1 "* ]]; }

# "DLL function" for each import. Each DLL's table has a heading, whose
# columns binutils 2.44 changed: the name is in the column headed Member-Name.
imports=$("$objdump" -p "$program" | awk '
  /^The Import Tables/ { inside = 1 }
  /^The (Export|Function) Table|^PE File Base Relocations/ { inside = 0 }
  inside && /DLL Name:/ { dll = tolower($3); name = 0 }
  inside && dll != "" && /^\tvma:/ { for (i = 1; i <= NF; i++) if ($i == "Member-Name") name = i }
  inside && name && /^\t[0-9a-f]+[\t ]/ && $name ~ /^[A-Za-z_]/ { print dll, $name }')
if [[ -z $imports ]]; then
  echo "FAIL: no imports read from $program"
  exit 1
fi

failed=0
characteristics=$("$objdump" -p "$program" | sed -n '/^DllCharacteristics/,/^[A-Z]/p')
for protection in "${@:4}"; do
  if ! grep -qw "$protection" <<<"$characteristics"; then
    echo "FAIL: the program's header does not ask for $protection"
    failed=1
  fi
done

while read -r dll; do
  if ! is_one_of "$dll" "${system_dlls[@]}"; then
    echo "FAIL: imports from $dll, which is not a system DLL of Windows 7"
    failed=1
  fi
done < <(cut -d' ' -f1 <<<"$imports" | sort -u)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  printf '#include <%s>\n' windows.h commctrl.h oleacc.h shlobj.h stdio.h stdlib.h string.h wchar.h \
    locale.h signal.h setjmp.h process.h io.h errno.h assert.h excpt.h
  echo 'void take_each(void) {'
  echo '  void *volatile taken;'
  while read -r dll function; do
    if [[ $dll == msvcrt.dll ]] && is_one_of "$function" "${crt_start_up[@]}"; then continue; fi
    printf '  taken = (void *)&%s;\n' "$function"
  done <<<"$imports"
  echo '  (void)taken;'
  echo '}'
} >"$work/imports.c"
if ! "$compiler" -x c -fsyntax-only -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 "$work/imports.c" \
  2>"$work/errors.txt"; then
  echo "FAIL: these imports are not Windows 7's:"
  grep -o "‘[^’]*’ undeclared\|'[^']*' undeclared" "$work/errors.txt" | sort -u || cat "$work/errors.txt"
  failed=1
fi
echo "$(wc -l <<<"$imports") imports checked from: $(cut -d' ' -f1 <<<"$imports" | sort -u | xargs);" \
  "protections: ${*:4}"
exit $failed
