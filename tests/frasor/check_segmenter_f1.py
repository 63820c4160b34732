#!/usr/bin/env python3
"""Scores a segmenter on a gold corpus and fails when the F1 of all its
documents, or of any of its parts (the scorer's corpus column), is below a
least F1.

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
    below = []
    for part, score in json.loads(result.stdout).items():
        print("%s %s: P %.2f R %.2f F1 %.2f" %
              (corpus, part, score["precision"], score["recall"], score["f1"]))
        if score["f1"] < float(least):
            below.append("%s F1 %.2f" % (part, score["f1"]))
    if below:
        sys.exit("below %s: %s" % (least, ", ".join(below)))


main()
