#!/usr/bin/env python3
"""Turns the plain comments that document declarations in headers into doxygen's.

    python3 tools/doc_comments.py FOLDER_OR_HEADER...

At file, namespace, class and enum scope (never inside a function body or an initializer):
- a run of `//` lines directly above a declaration becomes `///`;
- a `//` after a declaration on its own line becomes `///<`, or a `///` line above it when the
  line would grow past 100 columns;
- the comment that opens a file (above `#pragma once`) becomes the documentation of the class
  named after the file (`@class`), or of the file (`@file`) when there is no such class;
- indented lines in such a comment (a table, an example) are shown as they are typed, in a code
  block of no language.
Left alone: section headers (`// ---- ...`, with the lines that go on with their sentence,
which start in lower case), comments followed by a blank line, a preprocessor
line, an access label, a closing brace or a forward declaration, and lint markers. Running it
again changes nothing, so it can be re-run over headers that gained plain comments since.
"""
import pathlib
import re
import sys

COMMENT = re.compile(r'^(\s*)//(?!/|!)(.*)$')
SCOPE_OPENER = re.compile(r'\b(class|struct|union|enum|namespace)\b[^()=]*$|^extern "C"\s*$')
FORWARD = re.compile(r'^\s*(template\s*<[^>]*>\s*)?(class|struct)\s+\w+\s*;')
NOT_A_DECLARATION = re.compile(r'^\s*(#|}|//|public:|protected:|private:|$)')
WIDTH = 100
INDENTED = re.compile(r'^(\s*)///\s{3,}\S')
TRAILING = re.compile(r'^(?P<code>[^"\']*?[;,{}]\s*)//(?![/!<])\s?(?P<text>.*)$')


def strip_literals(line):
    """The line without string and character literals and without its `//` comment."""
    out = re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', '""', line)
    at = out.find('//')
    return out if at < 0 else out[:at]


def scope_kinds(lines):
    """For each line, whether its start lies at a scope where declarations are documented."""
    stack = []  # True for a documented scope (file, namespace, class, enum), False otherwise
    statement = ''
    documented = []
    for line in lines:
        documented.append(all(stack))
        if line.lstrip().startswith('#'):
            continue
        for ch in strip_literals(line):
            if ch == '{':
                stack.append(bool(SCOPE_OPENER.search(statement.strip())) and all(stack))
                statement = ''
            elif ch == '}':
                if stack:
                    stack.pop()
                statement = ''
            elif ch == ';':
                statement = ''
            else:
                statement += ch
        statement += ' '
    return documented


def class_named(lines, stem):
    """The qualified name of the class named `stem` defined in the file, or None."""
    pattern = re.compile(r'^(template\s*<.*>\s*)?(class|struct)\s+' + re.escape(stem) + r'\b[^;]*$')
    namespace = None
    for line in lines:
        opened = re.match(r'^namespace\s+([\w:]+)\s*\{', line)
        if opened:
            namespace = opened.group(1)
        elif re.match(r'^}\s*//\s*namespace', line):
            namespace = None
        elif pattern.match(line):
            return namespace + '::' + stem if namespace else stem
    return None


def convert(text, stem):
    lines = text.split('\n')
    documented = scope_kinds(lines)
    out = []

    # The opening comment documents the file's class, or the file.
    top = 0
    while top < len(lines) and COMMENT.match(lines[top]):
        top += 1
    if top and top < len(lines) and lines[top].startswith('#pragma once'):
        name = class_named(lines, stem)
        out.append('/// @class ' + name if name else '/// @file')
        out += reflow([re.sub(r'^//', '///', line) for line in lines[:top]])
    else:
        top = 0

    i = top
    while i < len(lines):
        match = COMMENT.match(lines[i])
        if not match:
            trailing = TRAILING.match(lines[i])
            if (trailing and documented[i] and 'NOLINT' not in lines[i]
                    and not NOT_A_DECLARATION.match(lines[i])):
                code = trailing.group('code')
                if len(code) + 5 + len(trailing.group('text')) <= WIDTH:
                    out.append(code + '///< ' + trailing.group('text'))
                else:  # too long for the line: it goes above the declaration
                    indent = re.match(r'\s*', code).group(0)
                    out += reflow([indent + '/// ' + trailing.group('text'), code.rstrip()])
            else:
                out.append(lines[i])
            i += 1
            continue
        start = i
        indent = match.group(1)
        while i < len(lines) and COMMENT.match(lines[i]) and \
                COMMENT.match(lines[i]).group(1) == indent:
            i += 1
        following = lines[i] if i < len(lines) else ''
        if COMMENT.match(lines[start]).group(2).lstrip().startswith('----'):
            # A section header, and the lines that go on with its sentence, are no one's.
            out.append(lines[start])
            start += 1
            while start < i and re.match(r'\s*[a-z(]', COMMENT.match(lines[start]).group(2)):
                out.append(lines[start])
                start += 1
        run = lines[start:i]
        if (run and documented[start] and not NOT_A_DECLARATION.match(following)
                and not FORWARD.match(following) and not COMMENT.match(following)
                and 'NOLINT' not in run[0]):
            run = reflow([re.sub(r'^(\s*)//', r'\1///', line) for line in run])
        out += run
    return '\n'.join(code_blocks(out))


def reflow(lines):
    """Keeps the prose lines of a comment within 100 columns: a word that the extra slash
    pushed past the edge goes on to the next line of its paragraph, or onto a new line."""
    prose = re.compile(r'^(\s*)/// ?(\S.*)$')
    j = 0
    while j < len(lines):
        match = prose.match(lines[j])
        if len(lines[j]) > WIDTH and match and ' ' in match.group(2) \
                and not INDENTED.match(lines[j]):
            head, word = lines[j].rsplit(' ', 1)
            lines[j] = head
            following = prose.match(lines[j + 1]) if j + 1 < len(lines) else None
            if following and not INDENTED.match(lines[j + 1]):
                lines[j + 1] = following.group(1) + '/// ' + word + ' ' + following.group(2)
            else:
                lines.insert(j + 1, match.group(1) + '/// ' + word)
            continue
        j += 1
    return lines


def code_blocks(lines):
    """Indented lines in a `///` comment (a table, an example) are shown as they are typed."""
    out = []
    inside = None  # the indentation of the open block
    shown = False  # within a block written before
    for line in lines:
        if '@code' in line or '@endcode' in line:
            shown = '@endcode' not in line
        match = INDENTED.match(line) if not shown else None
        if match and inside is None:
            inside = match.group(1)
            out.append(inside + '/// @code{.unparsed}')
        elif not match and inside is not None:
            out.append(inside + '/// @endcode')
            inside = None
        out.append(line[:len(inside) + 3] + line[len(inside) + 4:] if match else line)
    return out


def main(paths):
    headers = []
    for path in map(pathlib.Path, paths):
        headers += sorted(path.glob('*.h')) if path.is_dir() else [path]
    for header in headers:
        text = header.read_text(encoding='utf-8')
        converted = convert(text, header.stem)
        if converted != text:
            header.write_text(converted, encoding='utf-8')


if __name__ == '__main__':
    main(sys.argv[1:])
