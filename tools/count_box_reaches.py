#!/usr/bin/env python3
"""Counts the places where the program's code names a box of another form by
strings: the form's name and the control's name written as text (a literal, or
a file-local constant holding the form's name), whether in a direct call
(app.testo(kPren, "Text22"), app.imposta("MENU", "Text1", ...)), through a
wrapper that takes the control's name (a lambda box("Text3"), a helper
metti_formattato(app, kVisu, "Text7", ...)), in a loop or a table of control
names, or through Form::control on another form.

A reach is "to another form" when the file is not part of that form's own
code (the form's .h/.cpp and the files defining its member functions). It
"goes up" when the file's subsystem could not include the form's header
(the form's subsystem is not among those its own includes reach).

    tools/count_box_reaches.py            totals
    tools/count_box_reaches.py --list     every reach, by file and line

A box named once (a `Casella` or `Famiglia` constant of a caselle.h) is no
reach; the tool counts those constants and fails when one is missing from its
header's list of every box (the list the test of the names goes through).
It also fails when it finds any reach: ctest runs it (no_box_reached_by_strings).

Run from anywhere; it reads src/ beside this folder. src/platform and src/gui
are left out (the runtime reaches by names; the windows do not reach boxes).
"""
import collections
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SRC = os.path.join(ROOT, "src")
SKIP = {"platform", "gui"}
METHODS = r"(?:campo|testo|imposta|conta|imposta_conta|field)"


def strip_comments(text):
    # Keeps string literals, blanks comments out (line numbers preserved).
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if c == '"':
            j = i + 1
            while j < n and text[j] != '"':
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def sources():
    for sub in sorted(os.listdir(SRC)):
        d = os.path.join(SRC, sub)
        if sub in SKIP or not os.path.isdir(d):
            continue
        for f in sorted(os.listdir(d)):
            if f.endswith((".cpp", ".h")):
                yield sub, os.path.join(d, f)


FILES = {p: (sub, strip_comments(open(p, encoding="utf-8").read())) for sub, p in sources()}

# --- forms: class, name, subsystem --------------------------------------------
FORMS = {}            # form name -> (class, subsystem)
CLASS_OF = {}         # class -> form name
for p, (sub, text) in FILES.items():
    for m in re.finditer(r"class\s+(\w+)\s*(?:final\s*)?:\s*public\s+Forma\b(.*?)\n};", text, re.S):
        k = re.search(r'kName\s*=\s*"([^"]+)"', m.group(2))
        if k:
            FORMS[k.group(1)] = (m.group(1), sub)
            CLASS_OF[m.group(1)] = k.group(1)


def own_forms(path, text):
    """The forms whose own code this file is."""
    own = set()
    stem = os.path.splitext(os.path.basename(path))[0]
    if stem in FORMS:
        own.add(stem)
    for cls, name in CLASS_OF.items():
        if re.search(r"\b%s::(?!kName\b)~?\w+\s*\(" % re.escape(cls), text):
            own.add(name)
    return own


# --- the layers: which subsystems each one's includes reach -------------------
deps = collections.defaultdict(set)
for p, (sub, text) in FILES.items():
    for inc in re.findall(r'#include\s+"(\w+)/', text):
        if inc != sub and inc not in SKIP and inc != "program":
            deps[sub].add(inc)


def below(sub):
    seen, todo = {sub}, [sub]
    while todo:
        for d in deps[todo.pop()]:
            if d not in seen:
                seen.add(d)
                todo.append(d)
    return seen


# --- constants that hold a form's name ----------------------------------------
CONST_RE = re.compile(r'\b(k\w+)\s*(?:\[\])?\s*=\s*"([^"]+)"')


def form_constants(path, text):
    consts = {}
    header = os.path.splitext(path)[0] + ".h"
    for t in (FILES.get(header, (None, ""))[1], text):
        for name, value in CONST_RE.findall(t):
            if value in FORMS:
                consts[name] = value
    return consts


def resolve(token, consts, own):
    token = token.strip()
    if token.startswith('"') and token.endswith('"') and token[1:-1] in FORMS:
        return token[1:-1]
    m = re.fullmatch(r"(\w+)::kName", token)
    if m and m.group(1) in CLASS_OF:
        return CLASS_OF[m.group(1)]
    if token == "kName" and len(own) == 1:
        return next(iter(own))
    return consts.get(token)


def line_of(text, pos):
    return text.count("\n", 0, pos) + 1


def find_close(text, pos):
    """Index of the bracket closing the one opened just before pos."""
    depth, i = 1, pos
    pairs = {"(": ")", "{": "}", "[": "]"}
    while i < len(text) and depth:
        c = text[i]
        if c == '"':
            i = text.find('"', i + 1)
        elif c in "({[":
            depth += 1
        elif c in ")}]":
            depth -= 1
        i += 1
    return i - 1


def split_args(s):
    args, depth, cur, i = [], 0, "", 0
    while i < len(s):
        c = s[i]
        if c == '"':
            j = s.find('"', i + 1)
            cur += s[i:j + 1]
            i = j + 1
            continue
        if c in "({[<":
            depth += 1
        elif c in ")}]>":
            depth -= 1
        if c == "," and depth == 0:
            args.append(cur.strip())
            cur = ""
        else:
            cur += c
        i += 1
    if cur.strip():
        args.append(cur.strip())
    return args


LIT = r'"([A-Za-z_][A-Za-z0-9_]*)"'


NAMED_RE = re.compile(r"\b(Casella|Famiglia)\s+(k\w+)\s*\{[^{};]*\}")


def named_boxes():
    """The constants naming a box, and those left out of their header's list."""
    names, unlisted = [], []
    for p, (sub, text) in FILES.items():
        for m in NAMED_RE.finditer(text):
            names.append(m.group(2))
            if not re.search(r"&%s\b" % m.group(2), text):
                unlisted.append("%s: %s" % (os.path.relpath(p, ROOT), m.group(2)))
    return names, unlisted


def reaches_of(path, sub, text):
    consts = form_constants(path, text)
    own = own_forms(path, text)
    found = []   # (line, form, control, how)

    def add(pos, form, control, how):
        if form and form not in own and control not in FORMS:
            found.append((line_of(text, pos), form, control, how))

    token = r'("[^"]*"|\w+::kName|\bk\w+)'
    # The boxes named once (a Casella or Famiglia constant) are no reach.
    named = [m.span() for m in NAMED_RE.finditer(text)]
    # Any pair form, "Control" (direct calls and helpers naming both).
    for m in re.finditer(token + r"\s*,\s*" + LIT + r"(\s*\+)?", text):
        if any(a <= m.start() < b for a, b in named):
            continue
        form = resolve(m.group(1), consts, own)
        if form:
            add(m.start(), form, m.group(2) + ("*" if m.group(3) else ""), "pair")
    # Direct calls whose control is composed ("Check" + n) are caught above;
    # Form::control on a variable bound to another form.
    bound = {}
    for m in re.finditer(r"(\w+)\s*=\s*\*?\s*\w+\.form\(\s*" + token + r"\s*\)", text):
        f = resolve(m.group(2), consts, own)
        if f:
            bound[m.group(1)] = f
    for m in re.finditer(r"\b(\w+)\s*(?:->|\.)\s*control\(\s*" + LIT + r"(\s*\+)?", text):
        if m.group(1) in bound:
            add(m.start(), bound[m.group(1)], m.group(2) + ("*" if m.group(3) else ""), "control")
    # Wrappers: functions and lambdas with a parameter passed on as a control
    # name of a known form (directly, or to another wrapper).
    defs = {}   # (name, position) -> {param index: form}

    def wrapper_at(name, pos):
        """The wrapper of that name defined last before pos."""
        best = None
        for (n, at), forms in defs.items():
            if n == name and at < pos and (best is None or at > best[0]):
                best = (at, forms)
        return best[1] if best else None

    # Lambdas bound to a name, and functions defined at the start of a line.
    sig = re.compile(r"(?:auto\s+(\w+)\s*=\s*\[[^\]]*\]\s*\(|(?m:^)(?:[\w:]+(?:<[^;{}()]*>)?[&*]?\s+)+"
                     r"(\w+)\s*\()([^()]*)\)\s*(?:const\s*)?(?:->\s*[\w:]+\s*)?\{")
    changed = True
    while changed:
        changed = False
        for m in sig.finditer(text):
            name = m.group(1) or m.group(2)
            params = [re.findall(r"(\w+)\s*$", p) for p in split_args(m.group(3))]
            params = [p[0] if p else "" for p in params]
            body_at = m.end()
            body = text[body_at:find_close(text, body_at)]
            forms = {}
            for i, p in enumerate(params):
                if not p:
                    continue
                for c in re.finditer(token + r"\s*,\s*" + re.escape(p) + r"\b", body):
                    f = resolve(c.group(1), consts, own)
                    if f:
                        forms[i] = f
                for c in re.finditer(r"\b(\w+)\s*\(([^;]*?)\b" + re.escape(p) + r"\b", body):
                    w = wrapper_at(c.group(1), body_at + c.start())
                    if w:
                        j = len(split_args(c.group(2) + "x")) - 1
                        if j in w:
                            forms[i] = w[j]
                # A parameter holding the form, with the control's name fixed.
                for c in re.finditer(r"\b" + re.escape(p) + r"\s*,\s*" + LIT, body):
                    forms.setdefault(("forma", i), set()).add(c.group(1))
            key = (name, m.start())
            if forms and defs.get(key) != forms:
                defs[key] = forms
                changed = True
    for name in {n for n, _ in defs}:
        for m in re.finditer(r"(?<![\w.>:])" + re.escape(name) + r"\s*\(", text):
            forms = wrapper_at(name, m.start() + 1)
            if not forms:
                continue
            args = split_args(text[m.end():find_close(text, m.end())])
            for i, f in forms.items():
                if isinstance(i, tuple):
                    form = resolve(args[i[1]], consts, own) if i[1] < len(args) else None
                    for control in sorted(f):
                        add(m.start(), form, control, "wrapper " + name)
                elif i < len(args):
                    lit = re.fullmatch(LIT, args[i])
                    if lit:
                        add(m.start(), f, lit.group(1), "wrapper " + name)
    # Loops over control names, and tables of them.
    tables = {}
    for m in re.finditer(r"\b(k\w+)\s*(?:\[\])?\s*=\s*\{([^{}]*)\}", text):
        names = re.findall(LIT, m.group(2))
        if names and all(not n in FORMS for n in names):
            tables[m.group(1)] = (m.start(), names)
    for m in re.finditer(r"for\s*\(\s*const\s+char\s*\*\s*(\w+)\s*:\s*(\{[^}]*\}|\w+)\s*\)", text):
        var, seq = m.group(1), m.group(2)
        names = re.findall(LIT, seq) if seq.startswith("{") else tables.get(seq, (0, []))[1]
        end = text.find(";", m.end())
        if text[m.end():].lstrip().startswith("{"):
            end = find_close(text, text.find("{", m.end()) + 1)
        body = text[m.end():end + 1]
        form = None
        c = re.search(token + r"\s*,\s*" + re.escape(var) + r"\b", body)
        if c:
            form = resolve(c.group(1), consts, own)
        else:
            c = re.search(r"\b(\w+)\s*\(([^;]*?)\b" + re.escape(var) + r"\b", body)
            w = wrapper_at(c.group(1), m.end() + c.start()) if c else None
            if w:
                j = len(split_args(c.group(2) + "x")) - 1
                form = w.get(j)
        for n in names:
            add(m.start(), form, n, "loop")
    # Tables of targets: { ..., "form", "Control", "Control", ... }
    for m in re.finditer(r"\{([^{}]*)\}", text):
        items = split_args(m.group(1))
        for i, it in enumerate(items):
            f = resolve(it, consts, own) if it.startswith('"') else None
            if f and i + 2 < len(items):
                rest = [re.fullmatch(LIT, x) for x in items[i + 1:]]
                if sum(1 for r in rest if r) >= 2:
                    for r in rest[1:]:   # the first is caught as a pair
                        if r:
                            add(m.start(), f, r.group(1), "table")
                break
    return found


def main():
    reaches = []
    for p, (sub, text) in FILES.items():
        for r in reaches_of(p, sub, text):
            reaches.append((os.path.relpath(p, ROOT), sub) + r)
    boxes = collections.Counter((r[3], r[4]) for r in reaches)
    files = {r[0] for r in reaches}
    up = [r for r in reaches if FORMS[r[3]][1] not in below(r[1])]
    by_sub = collections.Counter(r[1] for r in up)
    if "--list" in sys.argv:
        for r in sorted(reaches):
            print("%s:%d  %s.%s  (%s)%s" % (r[0], r[2], r[3], r[4], r[5],
                                            "  UP" if r in up else ""))
        print()
    print("string reaches of another form's box: %d" % len(reaches))
    print("distinct boxes: %d" % len(boxes))
    print("files: %d" % len(files))
    print("going up the layers: %d (%s)" % (
        len(up), ", ".join("%s %d" % kv for kv in sorted(by_sub.items()))))
    if boxes:
        print("most reached: " + ", ".join("%s.%s (%d)" % (f, c, n)
                                           for (f, c), n in boxes.most_common(5)))
    names, unlisted = named_boxes()
    print("boxes named once (Casella and Famiglia constants): %d" % len(names))
    for u in unlisted:
        print("not in its header's list of every box: " + u)
    return 1 if unlisted or reaches else 0


if __name__ == "__main__":
    sys.exit(main())
