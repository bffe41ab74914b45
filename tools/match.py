#!/usr/bin/env python3
"""Plays two Gomocup brains against each other through the protocol.

Each move request carries the time limits the way tournament managers send
them (INFO timeout_turn, timeout_match and time_left); the judge stops a
game at a five (or longer line), an illegal move, a crash, a reply after the
turn time or after the time left, or a full board. Colours are swapped in
pairs over the same opening.

  tools/match.py --brain build/pbrain-morvel --brain build/pbrain-morvel \
      --size 15 --turn-ms 1000 --match-ms 120000 --openings tools/openings.txt --pairs 2
"""
import argparse
import os
import select
import shlex
import statistics
import subprocess
import sys
import time

GRACE_S = 2.0  # how long past a limit the judge waits before giving up on a reply


class Brain:
    def __init__(self, command):
        self.proc = subprocess.Popen(shlex.split(command), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, bufsize=0)
        self.buffer = b""
        self.first_request = True

    def send(self, text):
        self.proc.stdin.write(text.encode())
        self.proc.stdin.flush()

    def read_line(self, deadline):
        """A line of output, or None when the process ends or the deadline passes."""
        while b"\n" not in self.buffer:
            wait = deadline - time.monotonic()
            if wait <= 0:
                return None
            ready, _, _ = select.select([self.proc.stdout], [], [], wait)
            if not ready:
                return None
            chunk = os.read(self.proc.stdout.fileno(), 4096)
            if not chunk:
                return None
            self.buffer += chunk
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line.decode(errors="replace").strip()

    def close(self):
        try:
            self.send("END\n")
            self.proc.wait(timeout=2)
        except Exception:
            self.proc.kill()
            self.proc.wait()


def five_at(board, size, x, y):
    colour = board[y][x]
    for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
        run = 1
        for sign in (1, -1):
            cx, cy = x + sign * dx, y + sign * dy
            while 0 <= cx < size and 0 <= cy < size and board[cy][cx] == colour:
                run += 1
                cx, cy = cx + sign * dx, cy + sign * dy
        if run >= 5:
            return True
    return False


def parse_move(line):
    parts = line.split(",")
    if len(parts) != 2:
        return None
    try:
        return int(parts[0]), int(parts[1])
    except ValueError:
        return None


def request_move(brain, board, size, stones, mover, last, limits):
    """Sends the request, returns (move or None, seconds, failure or None)."""
    turn_ms, match_ms, left_ms = limits
    brain.send(f"INFO timeout_turn {turn_ms}\nINFO timeout_match {match_ms}\nINFO time_left {left_ms}\n")
    if brain.first_request and stones:
        brain.first_request = False
        lines = "".join(f"{x},{y},{1 if c == mover else 2}\n" for x, y, c in stones)
        request = f"BOARD\n{lines}DONE\n"
    elif brain.first_request:
        brain.first_request = False
        request = "BEGIN\n"
    else:
        request = f"TURN {last[0]},{last[1]}\n"
    limit_s = min(turn_ms, left_ms) / 1000.0
    start = time.monotonic()
    brain.send(request)
    while True:
        line = brain.read_line(start + limit_s + GRACE_S)
        elapsed = time.monotonic() - start
        if line is None:
            return None, elapsed, "crash" if brain.proc.poll() is not None else "timeout"
        if line.upper().startswith(("MESSAGE", "DEBUG")):
            continue
        move = parse_move(line)
        if move is None:
            return None, elapsed, "illegal"
        if elapsed > limit_s:
            return move, elapsed, "timeout"
        x, y = move
        if not (0 <= x < size and 0 <= y < size) or board[y][x] != ".":
            return move, elapsed, "illegal"
        return move, elapsed, None


def play_game(commands, size, opening, turn_ms, match_ms, max_moves, times):
    """commands[0] moves first after the opening. Returns (winner index or None, reason)."""
    brains = [Brain(c) for c in commands]
    try:
        for b in brains:
            b.send(f"START {size}\n")
            if b.read_line(time.monotonic() + 10) != "OK":
                return brains.index(b) ^ 1, "start failed"
        board = [["."] * size for _ in range(size)]
        stones = []
        centre = size // 2
        colours = "XO" if len(opening) % 2 == 0 else "OX"  # colours[0] belongs to commands[0]
        for i, (dx, dy) in enumerate(opening):
            x, y = centre + dx, centre + dy
            c = colours[1] if (len(opening) - i) % 2 == 1 else colours[0]
            board[y][x] = c
            stones.append((x, y, c))
        left = [match_ms, match_ms]
        last = stones[-1][:2] if stones else None
        turn = 0
        while len(stones) < size * size and len(stones) - len(opening) < max_moves:
            brain, colour = brains[turn], colours[turn]
            move, elapsed, failure = request_move(brain, board, size, stones, colour, last,
                                                  (turn_ms, match_ms, max(left[turn], 0)))
            times[turn].append((elapsed, min(turn_ms, max(left[turn], 0)) / 1000.0))
            left[turn] -= int(elapsed * 1000)
            if failure:
                return turn ^ 1, failure
            x, y = move
            board[y][x] = colour
            stones.append((x, y, colour))
            last = (x, y)
            if five_at(board, size, x, y):
                return turn, "five"
            turn ^= 1
        return None, "draw"
    finally:
        for b in brains:
            b.close()


def read_openings(path):
    openings = []
    with open(path) as f:
        for line in f:
            line = line.split("#")[0].strip()
            if line:
                openings.append([tuple(int(v) for v in cell.split(",")) for cell in line.split()])
    return openings or [[]]


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--brain", action="append", required=True, help="brain command (give twice)")
    ap.add_argument("--size", type=int, default=15)
    ap.add_argument("--turn-ms", type=int, default=1000)
    ap.add_argument("--match-ms", type=int, default=180000)
    ap.add_argument("--openings", help="file: one opening a line, cells as dx,dy from the centre")
    ap.add_argument("--pairs", type=int, default=1, help="game pairs per opening, colours swapped")
    ap.add_argument("--max-moves", type=int, default=10**6, help="call a game drawn after this many moves")
    args = ap.parse_args()
    if len(args.brain) != 2:
        ap.error("give --brain twice")
    openings = read_openings(args.openings) if args.openings else [[]]
    score = [0, 0]
    draws = 0
    failures = {"illegal": [0, 0], "crash": [0, 0], "timeout": [0, 0]}
    times = [[], []]
    game = 0
    for opening in openings:
        for _ in range(args.pairs):
            for first in (0, 1):
                order = [first, first ^ 1]
                game_times = [[], []]
                winner, reason = play_game([args.brain[i] for i in order], args.size, opening, args.turn_ms,
                                           args.match_ms, args.max_moves, game_times)
                for k in (0, 1):
                    times[order[k]].extend(game_times[k])
                game += 1
                if winner is None:
                    draws += 1
                    print(f"game {game}: draw")
                    continue
                loser = order[winner ^ 1]
                score[order[winner]] += 1
                if reason in failures:
                    failures[reason][loser] += 1
                print(f"game {game}: brain {order[winner] + 1} wins ({reason})")
                sys.stdout.flush()
    print(f"result: brain 1 {score[0]}, brain 2 {score[1]}, draws {draws}")
    for i in (0, 1):
        replies = times[i] or [(0.0, 1.0)]
        seconds = [t for t, _ in replies]
        worst = max(t / limit if limit > 0 else float("inf") for t, limit in replies)
        print(f"brain {i + 1}: illegal {failures['illegal'][i]} crash {failures['crash'][i]} "
              f"timeout {failures['timeout'][i]} replies {len(times[i])} median {statistics.median(seconds) * 1000:.0f} ms "
              f"max {max(seconds) * 1000:.0f} ms, worst {worst:.2f} of the limit (turn time or time left)")


if __name__ == "__main__":
    main()
