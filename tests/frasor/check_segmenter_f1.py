#!/usr/bin/env python3
"""Scores a segmenter on a gold corpus and fails below a least F1.

usage: check_segmenter_f1.py SCORER SEGMENTER CORPUS LEAST_F1
SCORER is the score-segmenter script, run with --json.
"""
import json
import subprocess
import sys


def main():
    scorer, segmenter, corpus, least = sys.argv[1:5]
    result = subprocess.run([scorer, segmenter, corpus, "--json"],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("scorer failed: " + result.stderr)
    total = json.loads(result.stdout)["ALL"]
    print("%s: P %.2f R %.2f F1 %.2f" %
          (corpus, total["precision"], total["recall"], total["f1"]))
    if total["f1"] < float(least):
        sys.exit("F1 %.2f is below %s" % (total["f1"], least))


main()
