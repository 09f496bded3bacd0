#!/usr/bin/env python3
"""Records what cardova-cli prints for a fixed set of random games, so that a
change to the engine can show it leaves every deal, move, log record and
history row as it was.

    tools/make-cli-golden.py build/src/cli/cardova-cli build/bench/bench_play > tests/cli/golden.txt

Most action lists are random words, so most of their moves are refused.
With the benchmark player given, legal play follows: lines of random legal
moves with undo, redo and replay steps mixed in, and a won game of each
game that has one, so automatic play, long logs and wins are compared too.

Each line: SHA-256 of standard output, exit status, command, game, number,
actions, separated by "|". tests/cli/golden_test.cmake replays every line
against the build and compares. Regenerate the file only when a change of
output is intended, and say why in the commit.
"""
import hashlib
import random
import subprocess
import sys
import tempfile

GAMES = ["Klondike", "Klondike Plus", "Lawn"]
CASES = 300
SEED = 20261209


def random_action(rng):
    roll = rng.random()
    if roll < 0.35:
        return "stock"
    if roll < 0.45:
        return rng.choice(["undo", "redo", "back", "forward", "undoall", "redoall"])
    if roll < 0.47:
        return rng.choice(["autoplay:on", "autoplay:off"])
    target = rng.choice(["t%d" % rng.randrange(9), "f%d" % rng.randrange(4)])
    if rng.random() < 0.3:
        return "w>" + target
    if rng.random() < 0.1:
        return "f%d>%s" % (rng.randrange(4), target)
    return "t%d:%d>%s" % (rng.randrange(9), rng.randrange(14), target)


def cases():
    rng = random.Random(SEED)
    for i in range(CASES):
        game = rng.choice(GAMES)
        number = str(rng.randrange(1, 10**rng.randrange(1, 10)))
        if i % 10 == 0:
            yield "deal", game, number, []
        else:
            yield "play", game, number, [random_action(rng) for _ in range(rng.randrange(5, 80))]


LEGAL_LINES = 40
LOG_WORDS = ["undo", "redo", "back", "forward", "undoall", "redoall", "autoplay:off", "autoplay:on"]


def legal_cases(player):
    rng = random.Random(SEED + 1)
    for game in GAMES:
        run = subprocess.run([player, "--random-lines", game, str(LEGAL_LINES)], capture_output=True,
                             text=True, check=True)
        for line in run.stdout.splitlines():
            number, *actions = line.split()
            if rng.random() < 0.5:
                for _ in range(rng.randrange(1, 6)):
                    actions.insert(rng.randrange(len(actions) + 1), rng.choice(LOG_WORDS))
            yield "play", game, number, actions
        won = subprocess.run([player, "--find-win", game], capture_output=True, text=True, timeout=120)
        if won.returncode == 0 and won.stdout.strip():
            number, *actions = won.stdout.split()
            yield "play", game, number, actions


def main():
    cli = sys.argv[1]
    all_cases = list(cases())
    if len(sys.argv) > 2:
        all_cases += list(legal_cases(sys.argv[2]))
    with tempfile.TemporaryDirectory() as work:
        for command, game, number, actions in all_cases:
            run = subprocess.run([cli, command, "--data-dir", work + "/data", "--settings", work + "/s.ini",
                                  game, number] + actions, capture_output=True)
            digest = hashlib.sha256(run.stdout).hexdigest()
            print("|".join([digest, str(run.returncode), command, game, number, " ".join(actions)]))


if __name__ == "__main__":
    main()
