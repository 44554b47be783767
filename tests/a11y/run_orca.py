"""Starts Debian's Orca as /usr/bin/orca does, but beside any other Orca.

/usr/bin/orca refuses to start while another process named "orca" runs for
the same user (pgrep), and takes that name itself; a test run next to a
real screen reader, or next to another test, would then fail or stop the
other. Everything else is Orca's own start-up code.
"""
import builtins
import importlib.machinery
import importlib.util
import sys

loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
spec = importlib.util.spec_from_loader("orca_launcher", loader)
launcher = importlib.util.module_from_spec(spec)
loader.exec_module(launcher)
launcher.setProcessName = lambda name: False
launcher.otherOrcas = lambda: []
launcher.open = lambda name, mode="r": builtins.open(name, mode, buffering=1, encoding="utf-8")
sys.argv = ["orca"] + sys.argv[1:]
sys.exit(launcher.main())
