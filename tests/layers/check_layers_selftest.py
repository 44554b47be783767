#!/usr/bin/env python3
"""Runs the layer check on small fake trees: each case is a tree, the exit
status the check must give, and the words its report must hold."""

import os
import subprocess
import sys
import tempfile

CHECK = sys.argv[1]

# A root that knows vantel_library, and three layers: base <- mid <- top,
# plus a platform/ folder with two libraries under it.
BASE_TREE = {
    "CMakeLists.txt": "function(vantel_library folder)\nendfunction()\n",
    "base/CMakeLists.txt": "# The bottom.\nvantel_library(base LINKS Qt6::Core)\n",
    "base/Base.h": "#pragma once\n#include <QString>\n",
    "mid/CMakeLists.txt": "vantel_library(mid LINKS vantel_base\n               Qt6::Widgets)\n",
    "mid/Mid.h": '#pragma once\n#include "base/Base.h"\n',
    "top/CMakeLists.txt": "vantel_library(top LINKS vantel_mid vantel_platform_out)\n",
    "top/Top.cpp": '#include "top/Top.h"\n#include "base/Base.h"\n#include "platform/out/Out.h"\n',
    "top/Top.h": '#pragma once\n#include "mid/Mid.h"\n',
    "platform/out/CMakeLists.txt": "vantel_library(platform/out LINKS vantel_base)\n",
    "platform/out/Out.h": "#pragma once\n",
    "platform/in/CMakeLists.txt": "vantel_library(platform/in LINKS vantel_base)\n",
    "platform/in/In.h": "#pragma once\n",
    "tests/CMakeLists.txt": "function(vantel_test_folder folder)\nendfunction()\nvantel_test_folder(mid vantel_mid)\n",
    "tests/mid/tst_mid.cpp": '#include "mid/Mid.h"\n#include "base/Base.h"\n#include "tests/support/Fake.h"\n',
    "tests/support/Fake.h": '#include "top/Top.h"\n',
    # Build folders and benchmarks are outside the layers.
    "build-x/base/Base.cpp": '#include "top/Top.h"\n',
    "bench/b/main.cpp": '#include "top/Top.h"\n',
}

CASES = [
    ("clean tree, includes reached through links of links", {}, 0, ["5 libraries keep their layers"]),
    ("a lower layer includes an upper one",
     {"base/Base.cpp": '#include "base/Base.h"\n#include "mid/Mid.h"\n'}, 1,
     ['base/Base.cpp: includes "mid/Mid.h" of library mid, which base does not link']),
    ("a header includes a sibling platform library it does not link",
     {"platform/out/Out.h": '#pragma once\n#include "platform/in/In.h"\n'}, 1,
     ['platform/out/Out.h: includes "platform/in/In.h" of library platform/in']),
    ("an include in a folder that is no library",
     {"mid/Mid.cpp": '#include "platform/Nothing.h"\n'}, 1,
     ['mid/Mid.cpp: includes "platform/Nothing.h", which is in no library']),
    ("two folders that link each other and include each other",
     {"base/CMakeLists.txt": "vantel_library(base LINKS vantel_mid)\n",
      "base/Base.cpp": '#include "mid/Mid.h"\n'}, 1,
     ["folders include each other in a circle: base, mid",
      'base/Base.cpp includes "mid/Mid.h"', 'mid/Mid.h includes "base/Base.h"',
      "libraries link each other in a circle: base, mid"]),
    ("a circle of three folders",
     {"base/CMakeLists.txt": "vantel_library(base LINKS vantel_top)\n",
      "base/Base.cpp": '#include "top/Top.h"\n'}, 1,
     ["folders include each other in a circle: base, mid, top"]),
    ("a link to a library that does not exist",
     {"mid/CMakeLists.txt": "vantel_library(mid LINKS vantel_base vantel_gone)\n"}, 1,
     ["mid/CMakeLists.txt: links vantel_gone, which is no vantel_library"]),
    ("a test includes a library its folder does not link",
     {"tests/mid/tst_mid.cpp": '#include "top/Top.h"\n'}, 1,
     ['tests/mid/tst_mid.cpp: includes "top/Top.h" of library top, which the tests of tests/mid does not link']),
    ("a form's custom widget from a library not linked",
     {"base/Form.ui": "<ui><customwidget><class>Top</class><header>top/Top.h</header></customwidget></ui>\n"}, 1,
     ['base/Form.ui: includes "top/Top.h" of library top, which base does not link']),
    ("a commented-out link does not count",
     {"mid/CMakeLists.txt": "vantel_library(mid LINKS # vantel_base\n  Qt6::Core)\n"}, 1,
     ['mid/Mid.h: includes "base/Base.h" of library base, which mid does not link']),
]


def write_tree(root, files):
    for rel, text in files.items():
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)


def main():
    failures = 0
    for name, changes, status, words in CASES:
        with tempfile.TemporaryDirectory() as root:
            write_tree(root, {**BASE_TREE, **changes})
            run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
        report = run.stdout + run.stderr
        missing = [w for w in words if w not in report]
        if run.returncode != status or missing:
            failures += 1
            print(f"FAIL {name}: exit {run.returncode}, expected {status}; missing {missing}\n{report}")
        else:
            print(f"PASS {name}")
    print(f"{len(CASES) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
