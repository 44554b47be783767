"""Starts Debian's Orca as /usr/bin/orca does, but beside any other Orca.

/usr/bin/orca refuses to start while another process named "orca" runs for
the same user (pgrep), and takes that name itself; a test run next to a
real screen reader, or next to another test, would then fail or stop the
other. Everything else is Orca's own start-up code.
"""
import builtins
import sys
import types

# /usr/bin/orca has no .py ending, so it is read and run as a module by hand.
launcher = types.ModuleType("orca_launcher")
launcher.__file__ = "/usr/bin/orca"
with open(launcher.__file__, encoding="utf-8") as source:
    exec(compile(source.read(), launcher.__file__, "exec"), launcher.__dict__)
launcher.setProcessName = lambda name: False
launcher.otherOrcas = lambda: []
launcher.open = lambda name, mode="r": builtins.open(name, mode, buffering=1, encoding="utf-8")
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(launcher.main())
