"""The checks of the screen-reader tests: each prints PASS or FAIL as it goes,
and the script ends non-zero when one failed or none ran."""
import sys

results = []


def check(ok, what):
    results.append(bool(ok))
    print(("PASS: " if ok else "FAIL: ") + what, flush=True)
    return ok


def run(main, doing):
    try:
        main()
    except Exception as error:  # a broken bus is a failure, not a crash of the test
        check(False, "%s: %r" % (doing, error))
    failed = results.count(False)
    print("%d passed, %d failed" % (results.count(True), failed))
    sys.exit(1 if failed or not results else 0)
