#!/usr/bin/env python3
"""Checks the platform's declarations against the real Windows headers, compiling only.

Covers the headers of platform/win32/, platform/com/ and platform/accessibility/. Every
integer constant our headers declare must have the real headers' value, every record the real
record's fields in the same order, at the same offsets up to the first wide character (ours is
4 bytes on Linux, the platform's 2), members of an anonymous union at one offset, and every alias macro (SendMessage) the same expansion.

  1. Parse our headers for constants, alias macros and records.
  2. Compile and run a small host program that prints our constants' values, so expressions
     (SIF_ALL, MCN_SELCHANGE) are evaluated by a compiler, not by this script.
  3. Write a probe of static_asserts against <windows.h> and compile it with MinGW-w64.

Usage: check_win32_headers.py REPO_ROOT WORK_DIR
Environment: CXX (host compiler, default c++), MINGW_CXX (default x86_64-w64-mingw32-g++).
"""
import os
import re
import subprocess
import sys

# Our names whose value differs from the platform's on purpose, each with its reason. The probe
# asserts that they still differ, so an entry that stops being true must leave this list.
DELIBERATE_DIFFERENCES = {
}

REAL_HEADERS = ["windows.h", "windowsx.h", "commctrl.h", "imm.h", "oleauto.h", "oleacc.h"]
HEADER_FOLDERS = ["win32", "com", "accessibility"]
WIDE_TYPES = {"WCHAR", "wchar_t", "TCHAR"}


def strip_comments(text):
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def strip_namespaces(text):
    """The text without the bodies of namespaces: what they declare is ours, not the platform's
    (the accessibility folder keeps its objects and hooks in namespace platform)."""
    out, at = [], 0
    for m in re.finditer(r"\bnamespace\s+[\w:]*\s*\{", text):
        if m.start() < at:
            continue  # nested in a namespace already left out
        out.append(text[at:m.start()])
        depth, i = 1, m.end()
        while depth and i < len(text):
            depth += {"{": 1, "}": -1}.get(text[i], 0)
            i += 1
        at = i
    return "".join(out) + text[at:]


def parse_header(text, found):
    """Adds the header's constants, strings, aliases and records to `found`."""
    text = strip_namespaces(strip_comments(text))
    for m in re.finditer(r"\bconstexpr\s+[\w:<>\s]+?\s(\w+)\s*(\[\])?\s*=\s*([^;]+);", text):
        name, is_array, value = m.group(1), m.group(2), m.group(3).strip()
        if value.startswith("{"):
            continue  # interface ids: the real headers declare them as link-time objects
        if is_array:
            found["strings"][name] = value
        else:
            found["constants"].append(name)
    for m in re.finditer(r"^#define\s+(\w+)\b(?!\()[ \t]*([^\n]*)$", text, flags=re.M):
        name, value = m.group(1), m.group(2).strip()
        if not value:
            continue  # CALLBACK, WINAPI: calling conventions mean nothing here
        if value.startswith('L"'):
            found["strings"][name] = value
        elif re.fullmatch(r"\w+", value) and not value.isdigit():
            found["aliases"][name] = value
        else:
            found["constants"].append(name)
    union = r"union\s*\{[^{}]*\}\s*;"
    for m in re.finditer(r"\bstruct\s+(\w+)\s*\{((?:[^{}]|" + union + r")*)\};", text):
        name, body = m.group(1), m.group(2)
        if name.endswith("__") or "(" in body:
            continue  # handle tags, and interfaces (their members are functions)
        fields = []
        for part in re.split(r"(" + union + r")", body):
            in_union = part.startswith("union")
            if in_union:
                part = part[part.index("{") + 1:part.rindex("}")]
            for decl in filter(None, (d.strip() for d in part.split(";"))):
                field = re.match(r"(.*?)\b(\w+)\s*(\[[^\]]*\])?$", decl, flags=re.S)
                type_name = field.group(1).split()[-1].rstrip("*")
                fields.append((field.group(2), type_name, in_union))
        found["records"][name] = fields


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        sys.stderr.write(result.stdout + result.stderr)
        sys.exit(f"failed: {' '.join(command)}")
    return result.stdout


def run_host_program(root, work, name, headers, body):
    """Compiles `body` (lines of main) with our headers on the host and returns its numbers."""
    lines = [f'#include "platform/{h}"' for h in headers]
    lines += ["#include <cstddef>", "#include <cstdio>", "int main() {"] + body + ["}"]
    source = os.path.join(work, f"{name}.cpp")
    program = os.path.join(work, name)
    with open(source, "w") as f:
        f.write("\n".join(lines) + "\n")
    run([os.environ.get("CXX", "c++"), "-std=c++20", "-I", root, source, "-o", program])
    return [int(word) for word in run([program]).split()]


def our_values(root, work, headers, found):
    """Our constants' values, evaluated by the host compiler."""
    aliased = [a for a, target in found["aliases"].items() if target in found["constants"]]
    names = found["constants"] + aliased
    body = [f'  std::printf("%lld\\n", (long long)(ULONG_PTR)({n}));' for n in names]
    return dict(zip(names, run_host_program(root, work, "our_values", headers, body)))


def our_layouts(root, work, headers, found):
    """Our records' field offsets ("RECORD.field") and sizes ("RECORD")."""
    keys, body = [], []
    for record, fields in found["records"].items():
        for field, _, _ in fields:
            keys.append(f"{record}.{field}")
            body.append(f'  std::printf("%zu\\n", offsetof({record}, {field}));')
        keys.append(record)
        body.append(f'  std::printf("%zu\\n", sizeof({record}));')
    return dict(zip(keys, run_host_program(root, work, "our_layouts", headers, body)))


def is_wide(type_name, records):
    if type_name in WIDE_TYPES:
        return True
    return any(is_wide(t, records) for _, t, _ in records.get(type_name, []))


PROBE_PREAMBLE = """\
// Generated by check_win32_headers.py: do not edit.
#define UNICODE
#define _UNICODE
{includes}
#include <cstddef>

// Handles and integer resources are pointers made from integers, which a constant expression
// cannot hold: read them as the integers they carry.
#define LPWSTR ULONG_PTR
#define HWND LONG_PTR
#define TRELLIS_TEXT_OF(x) #x
#define TRELLIS_EXPANSION(x) TRELLIS_TEXT_OF(x)

// Our value as the platform's type sees it: a UINT 0U - 746U equals an int -746.
template <class T> constexpr bool Same(T real, long long ours) {{
  return real == static_cast<T>(ours);
}}
template <class C, std::size_t N, std::size_t M>
constexpr bool SameText(const C (&a)[N], const C (&b)[M]) {{
  if (N != M) return false;
  for (std::size_t i = 0; i < N; ++i)
    if (a[i] != b[i]) return false;
  return true;
}}
"""


def constant_checks(found, values):
    for name, value in values.items():
        test = f"Same({name}, {value}LL)"
        if name in DELIBERATE_DIFFERENCES:
            yield f'static_assert(!{test}, "{name} agrees now: drop its deliberate difference");'
        else:
            yield f'static_assert({test}, "{name}: ours is {value}");'
    for name, literal in found["strings"].items():
        yield f'static_assert(SameText({name}, {literal}), "{name}");'
    for name, target in found["aliases"].items():
        if target in found["strings"]:
            yield f'static_assert(SameText({name}, {found["strings"][target]}), "{name}");'
        elif target not in values:
            # A function's generic name: the real macro must name the same wide function.
            expansion = f"TRELLIS_EXPANSION({name})"
            yield f'static_assert(SameText({expansion}, "{target}"), "{name}");'


def record_checks(found):
    for record, fields in found["records"].items():
        wide = False
        for i, (field, type_name, in_union) in enumerate(fields):
            if i > 0:
                before, _, before_in_union = fields[i - 1]
                # Members of one union share its offset.
                relation = "==" if in_union and before_in_union else "<"
                order = f"offsetof({record}, {before}) {relation} offsetof({record}, {field})"
                yield f'static_assert({order}, "{record}: {before} then {field}");'
            # Offsets agree until the first wide character, which is 2 bytes there.
            if not wide:
                offset = found["offsets"][f"{record}.{field}"]
                at = f"offsetof({record}, {field}) == {offset}"
                yield f'static_assert({at}, "{record}.{field}");'
            wide = wide or is_wide(type_name, found["records"])
        # A union holds only the members we use, so such a record may be smaller.
        if not wide and not any(in_union for _, _, in_union in fields):
            size = found["offsets"][record]
            yield f'static_assert(sizeof({record}) == {size}, "sizeof({record})");'


def probe_source(found, values):
    includes = "\n".join(f"#include <{h}>" for h in REAL_HEADERS)
    checks = list(constant_checks(found, values)) + list(record_checks(found))
    return PROBE_PREAMBLE.format(includes=includes) + "\n".join(checks) + "\n"


def main():
    root, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    headers = []
    for folder in HEADER_FOLDERS:
        names = sorted(os.listdir(os.path.join(root, "platform", folder)))
        headers += [f"{folder}/{h}" for h in names if h.endswith(".h")]
    found = {"constants": [], "strings": {}, "aliases": {}, "records": {}}
    for h in headers:
        with open(os.path.join(root, "platform", h)) as f:
            parse_header(f.read(), found)
    values = our_values(root, work, headers, found)
    found["offsets"] = our_layouts(root, work, headers, found)
    probe = os.path.join(work, "probe.cpp")
    with open(probe, "w") as f:
        f.write(probe_source(found, values))
    mingw = os.environ.get("MINGW_CXX", "x86_64-w64-mingw32-g++")
    result = subprocess.run([mingw, "-std=c++20", "-fsyntax-only", "-fmax-errors=0", probe],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.stderr.write(result.stderr)
        sys.exit(f"platform headers differ from the platform's: see {probe}")
    fields = sum(len(f) for f in found["records"].values())
    print(f"platform headers agree with the platform's: {len(values)} constants, "
          f"{len(found['strings'])} strings, {len(found['aliases'])} aliases, "
          f"{len(found['records'])} records ({fields} fields), "
          f"{len(DELIBERATE_DIFFERENCES)} deliberate differences")


main()
