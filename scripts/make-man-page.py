#!/usr/bin/env python3
"""Writes a command-line program's manual page from its own --help output.

The page is made from what the program prints, so it always matches the
program: its --help text becomes the description, its --version (when the
program has one) the version, and each command it lists gets a section with
that command's own --help. Text laid out as a list of terms with their
descriptions becomes a list; anything else is kept line for line.

usage: make-man-page.py PROGRAM OUTPUT --name NAME --summary TEXT
                        [--version X] [--see-also PAGE ...]
"""
import argparse
import datetime
import os
import re
import subprocess
import sys

TERM_LINE = re.compile(r"^(\s*)(\S(?:.*?\S)?)\s{2,}(\S.*)$")
USAGE_LINE = re.compile(r"^\s*usage:\s*(.+)$", re.IGNORECASE)
HEADING_LINE = re.compile(r"^([A-Za-z][A-Za-z ]*):\s*$")


def run(command):
    """The program's standard output, or None when it fails or prints nothing."""
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=30, check=False)
    except OSError:
        return None
    if done.returncode != 0 or not done.stdout.strip():
        return None
    return done.stdout.expandtabs().rstrip() + "\n"


def escape(text):
    """Text safe in a roff line; every dash stays a dash that can be copied."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def program_version(program, fallback):
    text = run([program, "--version"])
    if text:
        found = re.search(r"\d+(?:\.\d+)+\S*", text)
        if found:
            return found.group(0)
    return fallback


def command_names(program_name, help_text):
    """Names the help text offers as commands: in usage lines, under a
    commands heading, or as the terms of an unindented list."""
    names = []
    in_commands = False
    for line in help_text.splitlines():
        usage = USAGE_LINE.match(line)
        heading = HEADING_LINE.match(line)
        term = TERM_LINE.match(line)
        if usage:
            words = usage.group(1).split()
            if len(words) > 1 and os.path.basename(words[0]) == program_name:
                names.append(words[1])
        elif heading:
            in_commands = "command" in heading.group(1).lower()
        elif term and (in_commands or not term.group(1)):
            names.append(term.group(2).split()[0])
    valid = [n for n in names if re.fullmatch(r"[a-z][a-z0-9-]*", n)]
    return list(dict.fromkeys(valid))


def paragraphs(text):
    block = []
    for line in text.splitlines():
        if line.strip():
            block.append(line)
        elif block:
            yield block
            block = []
    if block:
        yield block


def term_list(block):
    """The block as (term, description) pairs, or None when it is not a list:
    a term line has its description after two spaces, an indented option
    alone on its line has it on the lines below, and a line that starts in
    the description's column continues it."""
    items = []
    column = None
    for line in block:
        match = TERM_LINE.match(line)
        indent = len(line) - len(line.lstrip())
        if items and indent > 0 and indent >= column:
            items[-1][1].append(line.strip())
        elif match:
            items.append((match.group(2), [match.group(3)]))
            column = match.start(3)
        elif indent > 0 and line.lstrip().startswith("-"):
            items.append((line.strip(), []))
            column = indent + 1
        else:
            return None
    return [(term, " ".join(words)) for term, words in items]


def roff_block(block):
    lines = []
    heading = HEADING_LINE.match(block[0]) if len(block) > 1 else None
    if heading:
        lines += [".PP", ".B " + escape(heading.group(1))]
        block = block[1:]
    items = term_list(block)
    if items:
        for term, description in items:
            lines += [".TP", ".B " + escape(term), escape(description)]
    elif all(not line[0].isspace() for line in block) and not any(USAGE_LINE.match(l) for l in block):
        lines += [".PP"] + [escape(line) for line in block]
    else:
        lines += [".PP", ".nf"] + [escape(line) for line in block] + [".fi"]
    return lines


def roff_text(text, keep_usage):
    """The text as roff; usage lines are left out unless keep_usage, for the
    synopsis shows them."""
    lines = []
    for block in paragraphs(text):
        block = [line for line in block if keep_usage or not USAGE_LINE.match(line)]
        if block:
            lines += roff_block(block)
    return lines


def usage_lines(help_texts):
    found = []
    for text in help_texts:
        for line in text.splitlines():
            match = USAGE_LINE.match(line)
            if match:
                found.append(match.group(1).strip())
    return list(dict.fromkeys(found))


def page_date():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    when = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc) if epoch else datetime.datetime.now()
    return when.strftime("%Y-%m-%d")


def make_page(arguments):
    program_name = arguments.name
    main_help = run([arguments.program, "--help"])
    if main_help is None:
        raise SystemExit(f"make-man-page: {arguments.program} --help failed or printed nothing")
    commands = []
    for name in command_names(program_name, main_help):
        text = run([arguments.program, name, "--help"])
        if text and text != main_help:
            commands.append((name, text))

    version = program_version(arguments.program, arguments.version)
    lines = [
        f'.TH {program_name.upper()} 1 "{page_date()}" "{escape(program_name)} {version}" "User Commands"',
        ".SH NAME",
        f"{escape(program_name)} \\- {escape(arguments.summary)}",
        ".SH SYNOPSIS",
    ]
    synopsis = usage_lines([main_help] + [text for _, text in commands])
    for usage in synopsis or [f"{program_name} [OPTIONS]"]:
        words = usage.split(maxsplit=1)
        lines += [".PP", ".B " + escape(words[0])] + ([escape(words[1])] if len(words) > 1 else [])
    lines += [".SH DESCRIPTION"] + roff_text(main_help, keep_usage=False)
    if commands:
        lines.append(".SH COMMANDS")
        for name, text in commands:
            lines += [".SS " + escape(name)] + roff_text(text, keep_usage=True)
    if arguments.see_also:
        pages = [re.sub(r"^(.*)\((\d)\)$", r"\\fB\1\\fR(\2)", escape(page)) for page in arguments.see_also]
        lines += [".SH SEE ALSO", ",\n".join(pages)]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description="Writes a manual page from a program's --help output.")
    parser.add_argument("program")
    parser.add_argument("output")
    parser.add_argument("--name", required=True)
    parser.add_argument("--summary", required=True)
    parser.add_argument("--version", default="")
    parser.add_argument("--see-also", nargs="*", default=[])
    arguments = parser.parse_args()
    page = make_page(arguments)
    temporary = arguments.output + ".tmp"
    with open(temporary, "w", encoding="utf-8") as out:
        out.write(page)
    os.replace(temporary, arguments.output)


if __name__ == "__main__":
    sys.exit(main())
