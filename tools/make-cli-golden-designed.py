#!/usr/bin/env python3
"""Records what cardova-cli prints for random play of designed games, the
rules the built-in games leave out: foundations that ignore suits or build
both ways, wrap, spaces for any card, four and nine piles.

    tools/make-cli-golden-designed.py REFERENCE_CLI [CHECK_CLI] >> tests/cli/golden.txt

The actions are drawn from the table as it stands (REFERENCE_CLI prints
it): cards that lie face up dragged to random piles, foundations above
all, so drops a foundation refuses while another pile under the card takes
it come up often; turns of the stock and log steps mixed in.

First come the game files ("game|NAME|RECORD"), then one line per game in
the format of make-cli-golden.py, with REFERENCE_CLI's output. Given
CHECK_CLI, only lines both print alike are kept; how many differed goes to
standard error with the first few of them.
"""
import hashlib
import json
import os
import random
import subprocess
import sys
import tempfile

# gOrder,gBase,gCards,hOrder,hSpace,hPiles,hAk,hMulti
GAMES = {
    "Loose": "2,0,0,9,13,4,1,1",
    "Wrapped": "1,5,4,8,13,6,1,1",
    "Down Loose": "5,12,0,4,13,9,1,1",
    "Either Way": "9,13,2,5,13,9,0,1",
    "Colours Four": "8,3,1,6,13,4,0,1",
    "Small Kings": "2,12,0,9,12,4,1,0",
}
# Deals the play-testing named, with lines on which a drop lands on another
# pile than the one named, which the random lines must not crowd out.
KNOWN = [
    ("Loose", "917559679519",
     "stock w>t2 undo t1:1>t0 stock t2:2>t0 t2:1>t3 autoplay:off t2:0>t0 t0:3>f0"),
    ("Loose", "2830139",
     "stock t0:0>f2 t1:1>t2 back t0:0>t2 t2:2>f2 stock w>f1 w>t0 t2:2>t1 t3:3>f1 undo stock w>t3 t1:1>f1 "
     "t1:1>f2 t2:2>f0 w>t1 stock t0:0>f0 t2:2>f2 back w>t0 forward t2:2>f1 t0:1>f2 t2:2>t3 t1:1>f0 stock "
     "stock t0:1>t1 undo stock f0>t1 t3:0>f1 t3:0>t3 stock stock forward t2:1>f0"),
    ("Loose", "401020108488918",
     "stock t0:0>t0 redoall t3:3>f0 f0>f1 t1:1>f2 stock t1:1>f3 stock stock t2:0>t3 stock w>t0 t1:1>f0 "
     "stock t3:3>t3 stock stock stock t1:1>t0 t0:0>f0 t3:3>t3 t2:0>t1 stock t1:0>t1 f1>f1 t0:0>t1 w>t3 "
     "w>f2 forward stock t3:3>f0"),
    ("Wrapped", "3991138",
     "f3>f3 t1:1>t0 f1>t4 stock t1:0>t3 stock t4:4>f1 stock t1:0>t1 t1:0>t5 t5:5>f3 redoall t4:4>f2 "
     "t4:4>t2 stock t5:5>f3 t2:2>t0 t3:3>f3 t0:0>f1 t1:0>t3 t4:4>f3 stock t4:4>f0 stock t2:2>f0 redoall "
     "redo t5:5>t1 t4:4>t3 stock t2:2>f3 stock f0>f1 stock f3>t3 stock w>f1 t2:0>t3 t5:1>f2 t1:0>f1 "
     "t3:4>f3 redoall stock t5:1>t2 t3:4>t2 t3:4>t2 t0:0>f2"),
]
SEED = 20261214
CASES = 120
STEP = 4  # actions drawn from one look at the table
LOG_WORDS = ["undo", "redo", "back", "forward", "undoall", "redoall", "autoplay:off", "autoplay:on"]


def run(cli, work, command, game, number, actions):
    # Every line starts from fresh settings, as the replay gives it.
    if os.path.exists(work + "/s.ini"):
        os.remove(work + "/s.ini")
    return subprocess.run([cli, command, "--data-dir", work + "/data", "--settings", work + "/s.ini",
                           game, number] + actions, capture_output=True)


def sources(table):
    found = []
    for p, pile in enumerate(table["tableau"]):
        found += ["t%d:%d" % (p, k) for k, card in enumerate(pile) if card["up"]]
    if table["waste"]:
        found.append("w")
    found += ["f%d" % g for g, pile in enumerate(table["foundation"]) if pile]
    return found


def draw(rng, table, piles):
    roll = rng.random()
    if roll < 0.25:
        return "stock"
    if roll < 0.33:
        return rng.choice(LOG_WORDS)
    found = sources(table)
    if not found:
        return "stock"
    # Top cards and the waste more often than cards deep in a pile.
    tops = ["t%d:%d" % (p, len(pile) - 1) for p, pile in enumerate(table["tableau"]) if pile]
    source = rng.choice(tops + ["w"] * bool(table["waste"])) if tops and rng.random() < 0.6 else rng.choice(found)
    target = "f%d" % rng.randrange(4) if rng.random() < 0.5 else "t%d" % rng.randrange(piles)
    return source + ">" + target


def random_line(rng, cli, work, game, piles):
    number = str(rng.randrange(1, 10 ** rng.randrange(1, 13)))
    actions = []
    for _ in range(rng.randrange(4, 20)):
        out = run(cli, work, "play", game, number, actions)
        if out.returncode != 0:
            break
        table = json.loads(out.stdout)
        if table["won"]:
            break
        actions += [draw(rng, table, piles) for _ in range(STEP)]
    return number, actions


def record(cli, work, game, number, actions):
    out = run(cli, work, "play", game, number, actions)
    return hashlib.sha256(out.stdout).hexdigest(), out.returncode


def main():
    reference = sys.argv[1]
    check = sys.argv[2] if len(sys.argv) > 2 else None
    rng = random.Random(SEED)
    with tempfile.TemporaryDirectory() as work:
        os.makedirs(work + "/data")
        for name, line in GAMES.items():
            with open("%s/data/%s.gam" % (work, name), "w", newline="") as f:
                f.write(line + "\r\n")
            print("game|%s|%s" % (name, line))
        cases = [(game, number, line.split()) for game, number, line in KNOWN]
        for i in range(CASES):
            game = list(GAMES)[i % len(GAMES)]
            piles = int(GAMES[game].split(",")[5])
            cases.append((game,) + random_line(rng, reference, work, game, piles))
        differed = []
        for game, number, actions in cases:
            digest, rc = record(reference, work, game, number, actions)
            if check and (digest, rc) != record(check, work, game, number, actions):
                differed.append(" ".join([game, number] + actions))
                continue
            print("|".join([digest, str(rc), "play", game, number, " ".join(actions)]))
    if check:
        print("%d of %d lines differ" % (len(differed), len(cases)), file=sys.stderr)
        for line in differed[:5]:
            print("  " + line, file=sys.stderr)


if __name__ == "__main__":
    main()
