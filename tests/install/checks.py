"""What the install checks share: collect every failed check, then report them together."""
import sys

failures = []
passed = 0


def check(ok, message):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(message)
        print("FAIL:", message)
    return ok


def finish(what):
    # The closing line counts the checks the way test runners do.
    if failures:
        print("%d problem(s) in the %s" % (len(failures), what))
    else:
        print(what, "OK")
    print("checks: %d passed, %d failed" % (passed, len(failures)))
    if failures:
        sys.exit(1)
