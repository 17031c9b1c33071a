#!/usr/bin/env python3
"""Assembles the distribution: DIST/mogura/ with setup.exe, its information file and the files
it names, and DIST/mogura.zip of that folder.

The programs are copied without their debugging information (STRIP names the tool; "-" copies
them as they are). The information file is written from a UTF-8 source in CP932 with CR LF
line ends, without the source's leading comment lines; the file entries take the place of its
line "@FILES@": the main program first, then the command-line program and the user guide's
files, each under its own name.
Usage: make_dist.py DIST INFO_SOURCE STRIP SETUP_EXE MAIN_EXE CLI_EXE [GUIDE_FILE...]
"""
import os
import shutil
import subprocess
import sys
import zipfile


def copy_program(strip, source, target):
    if strip == '-':
        shutil.copyfile(source, target)
    else:
        subprocess.run([strip, '--strip-debug', '-o', target, source], check=True)


def main(argv):
    if len(argv) < 7:
        sys.exit(__doc__)
    dist, info_source, strip, setup_exe, main_exe, cli_exe = argv[1:7]
    guide = sorted(argv[7:], key=lambda path: (not path.endswith('.htm'), os.path.basename(path)))
    folder = os.path.join(dist, 'mogura')
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)

    names = []
    for path in [main_exe, cli_exe]:
        names.append(os.path.basename(path))
        copy_program(strip, path, os.path.join(folder, names[-1]))
    for path in guide:
        names.append(os.path.basename(path))
        shutil.copyfile(path, os.path.join(folder, names[-1]))
    setup_name = os.path.basename(setup_exe)
    copy_program(strip, setup_exe, os.path.join(folder, setup_name))

    with open(info_source, encoding='utf-8') as source:
        lines = source.read().splitlines()
    while lines and lines[0].startswith(';'):
        lines.pop(0)
    info = []
    for line in lines:
        if line.strip() == '@FILES@':
            info += ['%d=%s' % (n, name) for n, name in enumerate(names, 1)]
        else:
            info.append(line)
    # The information file is named like the setup program with "INF" for its last three characters.
    info_name = setup_name[:-3] + 'INF'
    with open(os.path.join(folder, info_name), 'wb') as out:
        out.write(('\r\n'.join(info) + '\r\n').encode('cp932'))

    archive = os.path.join(dist, 'mogura.zip')
    partial = archive + '.part'
    with zipfile.ZipFile(partial, 'w', zipfile.ZIP_DEFLATED) as zipped:
        for name in sorted(os.listdir(folder)):
            zipped.write(os.path.join(folder, name), 'mogura/' + name)
    os.replace(partial, archive)


if __name__ == '__main__':
    main(sys.argv)
