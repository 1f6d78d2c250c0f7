#!/usr/bin/env python3
"""Keeps the house in layers.

Reads the layer table (cmake/layers.txt) and fails, naming file and line, on
- an #include "..." that points to a higher layer, or sideways to another
  folder of the same layer;
- a Qt header included below the gui layer;
- a test in tests/<folder> that includes a layer above <folder> (tests/support
  and the test's own folder are always allowed);
- a README Layout table that does not list the same folders in the same layers;
- a batch tool (--cli) that links Qt or RtAudio.
"""
import argparse
import pathlib
import re
import subprocess
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def read_layers(root):
    layers = {}
    for line in (root / "cmake" / "layers.txt").read_text().splitlines():
        fields = line.split("#", 1)[0].split()
        if fields:
            for folder in fields[1:]:
                layers[folder] = int(fields[0])
    return layers


def sources(folder):
    return sorted(p for p in folder.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file())


def includes(path):
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1), match.group(2)


def allowed(layers, home, target):
    """May code of folder `home` include code of folder `target`?"""
    return target == home or (target in layers and layers[target] < layers[home])


def check_product(root, layers, gui_layer):
    faults = []
    for home, layer in layers.items():
        folder = root / home
        if not folder.is_dir():
            continue
        for path in sources(folder):
            for number, kind, name in includes(path):
                where = f"{path.relative_to(root)}:{number}"
                if kind == '"':
                    target = name.split("/", 1)[0]
                    if not allowed(layers, home, target):
                        faults.append(f"{where}: includes \"{name}\" ({target}: layer "
                                      f"{layers.get(target, 'none')}) from {home} (layer {layer})")
                elif layer < gui_layer and re.match(r"Q[A-Za-z]*(/|$)", name):
                    faults.append(f"{where}: includes <{name}> (Qt) below the gui layer")
    return faults


def check_tests(root, layers):
    faults = []
    tests = root / "tests"
    for path in sources(tests):
        parts = path.relative_to(tests).parts
        home = parts[0] if len(parts) > 1 else None
        for number, kind, name in includes(path):
            if kind != '"':
                continue
            target = name.split("/", 1)[0]
            if target == "tests":
                test_folder = name.split("/")[1]
                if test_folder in ("support", home):
                    continue
                ok = False
            elif home == "support":
                ok = target in layers
            else:
                ok = home in layers and allowed(layers, home, target)
            if not ok:
                faults.append(f"{path.relative_to(root)}:{number}: includes \"{name}\" from tests/{home}")
    return faults


def check_readme(root, layers):
    text = (root / "README.md").read_text()
    section = text.split("## Layout", 1)[-1].split("\n## ", 1)[0]
    listed = {}
    for match in re.finditer(r"^\|\s*(\d+)\s*\|([^|]*)\|", section, re.MULTILINE):
        for folder in re.findall(r"`([a-z]+)/`", match.group(2)):
            listed[folder] = int(match.group(1))
    if listed != layers:
        return [f"README.md: Layout table {sorted(listed.items(), key=lambda i: i[1])} "
                f"differs from cmake/layers.txt {sorted(layers.items(), key=lambda i: i[1])}"]
    return []


def check_cli(cli):
    linked = subprocess.run(["ldd", cli], capture_output=True, text=True, check=True).stdout
    return [f"{cli}: links {line.split()[0]}" for line in linked.splitlines()
            if re.search(r"libQt|librtaudio", line)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=pathlib.Path(__file__).resolve().parent.parent, type=pathlib.Path)
    parser.add_argument("--cli", help="the built quillet-cli, checked for what it links")
    args = parser.parse_args()

    layers = read_layers(args.root)
    faults = check_product(args.root, layers, layers["gui"])
    faults += check_tests(args.root, layers)
    faults += check_readme(args.root, layers)
    if args.cli:
        faults += check_cli(args.cli)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s) in the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
