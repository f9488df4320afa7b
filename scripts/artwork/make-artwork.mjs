// Builds every picture under resources/pictures/ for Vellgard Unit Editor.
//
// The icons come from the game-icons.net collection (CC BY 3.0, npm package
// @iconify-json/game-icons); text is turned into outlines with opentype.js so
// the result does not depend on the fonts fontconfig happens to pick.
// Each picture is written as an SVG into a scratch folder, rendered with
// rsvg-convert and finished with ImageMagick's convert.
//
// Run it through make-artwork.sh, which installs the npm packages first.

import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const opentype = require('opentype.js');

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '..', '..');
const outDir = path.join(root, 'resources', 'pictures');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vellgard-artwork-'));
const keepWork = process.env.KEEP_WORK === '1';

const iconSet = JSON.parse(
  fs.readFileSync(require.resolve('@iconify-json/game-icons/icons.json'), 'utf8'));

// ---------------------------------------------------------------- fonts

const FONT_DIRS = {
  garamond: '/usr/share/fonts/truetype/ebgaramond',
  libertine: '/usr/share/fonts/opentype/linux-libertine',
};
const FONT_FILES = {
  garamond: path.join(FONT_DIRS.garamond, 'EBGaramond12-Regular.ttf'),
  garamondItalic: path.join(FONT_DIRS.garamond, 'EBGaramond12-Italic.ttf'),
  garamondSC: path.join(FONT_DIRS.garamond, 'EBGaramondSC12-Regular.ttf'),
  garamondInitials: path.join(FONT_DIRS.garamond, 'EBGaramond-Initials.ttf'),
  libertineBold: path.join(FONT_DIRS.libertine, 'LinLibertine_RB.otf'),
};
const fontCache = new Map();
function font(name) {
  if (!fontCache.has(name)) {
    const file = FONT_FILES[name];
    if (!fs.existsSync(file)) {
      throw new Error(`font ${file} is missing (install fonts-ebgaramond, ` +
        'fonts-ebgaramond-extra and fonts-linuxlibertine)');
    }
    fontCache.set(name, opentype.loadSync(file));
  }
  return fontCache.get(name);
}

// Lays out a string glyph by glyph (kerning plus optional extra tracking)
// and returns its outline as SVG path data together with its advance width.
function textOutline(fontName, str, x, y, size, { tracking = 0, anchor = 'start' } = {}) {
  const f = font(fontName);
  let glyphs;
  try {
    glyphs = f.stringToGlyphs(str);
  } catch {
    // some fonts use ligature lookups the parser cannot apply: set them plain
    glyphs = f.stringToGlyphs(str, { features: { liga: false, rlig: false } });
  }
  const scale = size / f.unitsPerEm;
  const advances = [];
  let width = 0;
  for (let i = 0; i < glyphs.length; i++) {
    let adv = glyphs[i].advanceWidth * scale;
    if (i + 1 < glyphs.length) {
      adv += f.getKerningValue(glyphs[i], glyphs[i + 1]) * scale + tracking;
    }
    advances.push(adv);
    width += adv;
  }
  let pen = x;
  if (anchor === 'middle') pen -= width / 2;
  if (anchor === 'end') pen -= width;
  let d = '';
  for (let i = 0; i < glyphs.length; i++) {
    d += glyphs[i].getPath(pen, y, size).toPathData(2);
    pen += advances[i];
  }
  return { d, width };
}

function textWidth(fontName, str, size, tracking = 0) {
  return textOutline(fontName, str, 0, 0, size, { tracking }).width;
}

// ---------------------------------------------------------------- icons

const usedIcons = new Map(); // picture -> Set of icon names
let currentPicture = '';
function iconPathData(name) {
  const icon = iconSet.icons[name];
  if (!icon) throw new Error(`game-icons has no icon called ${name}`);
  const m = icon.body.match(/ d="([^"]+)"/);
  if (!m) throw new Error(`icon ${name} has no path data`);
  if (!usedIcons.has(currentPicture)) usedIcons.set(currentPicture, new Set());
  usedIcons.get(currentPicture).add(name);
  return m[1];
}

// An icon (512 x 512 design grid) placed as a size x size square at (x, y).
// `inner` receives the path data and returns the SVG to draw in icon units.
function placeIcon(name, x, y, size, inner, { rotate = 0, flip = false } = {}) {
  const d = iconPathData(name);
  const s = size / 512;
  let t = `translate(${x} ${y}) scale(${s})`;
  if (rotate) t += ` rotate(${rotate} 256 256)`;
  if (flip) t += ' translate(512 0) scale(-1 1)';
  return `<g transform="${t}">${inner(d)}</g>`;
}

// ---------------------------------------------------------------- helpers

const svgDoc = (w, h, body, viewBox = `0 0 ${w} ${h}`) =>
  `<?xml version="1.0" encoding="UTF-8"?>\n` +
  `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="${viewBox}">\n${body}\n</svg>\n`;

function linear(id, stops, { x1 = 0, y1 = 0, x2 = 0, y2 = 1, units = '' } = {}) {
  const u = units ? ` gradientUnits="${units}"` : '';
  return `<linearGradient id="${id}" x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}"${u}>` +
    stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"${a !== undefined ? ` stop-opacity="${a}"` : ''}/>`).join('') +
    '</linearGradient>';
}
function radial(id, stops, { cx = 0.5, cy = 0.5, r = 0.5, fx, fy, units = '' } = {}) {
  const u = units ? ` gradientUnits="${units}"` : '';
  const f = fx !== undefined ? ` fx="${fx}" fy="${fy}"` : '';
  return `<radialGradient id="${id}" cx="${cx}" cy="${cy}" r="${r}"${f}${u}>` +
    stops.map(([o, c, a]) => `<stop offset="${o}" stop-color="${c}"${a !== undefined ? ` stop-opacity="${a}"` : ''}/>`).join('') +
    '</radialGradient>';
}

function run(cmd, args) {
  execFileSync(cmd, args, { stdio: ['ignore', 'inherit', 'inherit'] });
}
function capture(cmd, args) {
  return execFileSync(cmd, args, { encoding: 'utf8' }).trim();
}

const PNG_CLEAN = ['-strip', '-define', 'png:exclude-chunks=date,time,tIME,zTXt,tEXt,iTXt'];
const MAGENTA = '#FF00FF';

function writeSvg(name, svg) {
  const file = path.join(work, name + '.svg');
  fs.writeFileSync(file, svg);
  return file;
}

function renderRaw(svgFile, w, h) {
  const raw = svgFile.replace(/\.svg$/, '.raw.png');
  run('rsvg-convert', ['-w', String(w), '-h', String(h), '-f', 'png', '-o', raw, svgFile]);
  return raw;
}

// Renders an SVG drawn on a transparent ground into a 24-bit PNG whose
// see-through parts are exactly #FF00FF.  Pixels less than half covered
// become magenta; the rest are flattened over `edge` (the dark outline
// colour), so no pinkish half-blended pixels appear at the silhouette.
// Any drawn pixel that happens to be exactly magenta is nudged off it.
function renderKeyed(svgFile, outFile, w, h, edge = '#160d05') {
  const raw = renderRaw(svgFile, w, h);
  fs.mkdirSync(path.dirname(outFile), { recursive: true });
  run('convert', [
    '-size', `${w}x${h}`, `xc:${MAGENTA}`,
    '(', raw, '-background', edge, '-flatten', '-fill', '#FE01FE', '-opaque', MAGENTA, ')',
    '(', raw, '-alpha', 'extract', '-threshold', '50%', ')',
    '-composite', '-alpha', 'off', '-type', 'TrueColor', ...PNG_CLEAN, 'PNG24:' + outFile,
  ]);
}

function renderAlpha(svgFile, outFile, w, h) {
  const raw = renderRaw(svgFile, w, h);
  run('convert', [raw, '-type', 'TrueColorAlpha', ...PNG_CLEAN, 'PNG32:' + outFile]);
}

function renderOpaque(svgFile, outFile, w, h) {
  const raw = renderRaw(svgFile, w, h);
  run('convert', [raw, '-background', '#000000', '-flatten', '-alpha', 'off',
    '-type', 'TrueColor', ...PNG_CLEAN, 'PNG24:' + outFile]);
}

// ---------------------------------------------------------------- palette

// Three-stop fills, light to dark, for the item and medallion subjects.
const TONES = {
  steel: ['#ffffff', '#b9c6d4', '#4e5968'],
  iron: ['#d8dde4', '#8a939f', '#363c46'],
  gold: ['#fff4b8', '#e2ab34', '#76470b'],
  bronze: ['#f7d49a', '#b9792f', '#5a3210'],
  wood: ['#e0a86a', '#9a5c26', '#4a260c'],
  leather: ['#d99b62', '#8c4f22', '#42210b'],
  red: ['#ff9a86', '#d4202a', '#5e0610'],
  crimson: ['#ff7a8a', '#b3122e', '#4a0414'],
  violet: ['#f1d2ff', '#a45ae8', '#3f1475'],
  blue: ['#bfe4ff', '#3a7be0', '#142a78'],
  azure: ['#e8fbff', '#5cc8f0', '#145a96'],
  green: ['#d2ffc4', '#3cb446', '#0e4a1a'],
  emerald: ['#c6ffe0', '#18b06a', '#03452a'],
  parchment: ['#fff6dc', '#e3c68e', '#8f6a34'],
  ivory: ['#fffdf2', '#e6dcc0', '#8d7d5a'],
  glass: ['#ffffff', '#cfe2ec', '#6d8796'],
  flame: ['#fff3a0', '#ff8a1c', '#a3200a'],
  teal: ['#c8fff4', '#2ab3a0', '#0b4a48'],
  amber: ['#fff8c0', '#ffc21e', '#b05a00'],
  rose: ['#ffe0ec', '#e676a6', '#7a2450'],
  stone: ['#e6e2da', '#9b958a', '#47433c'],
};

// ---------------------------------------------------------------- medallions

const OUTLINE = '#160d05';
const FIELD = ['#3a4690', '#1b2154', '#080a1e'];

// A round medallion: dark outline, bevelled bronze-gold rim, dark inner line
// and a deep blue field.  All sizes are in units of a 39 x 39 design.
function medallionDefs(id) {
  return [
    linear(`${id}-rim`, [[0, '#fbe7a1'], [0.3, '#d9a646'], [0.62, '#7d4f17'], [1, '#c99a42']]),
    linear(`${id}-bevel`, [[0, '#5a370f'], [0.5, '#a87228'], [1, '#f3d58a']]),
    radial(`${id}-field`, [[0, FIELD[0]], [0.55, FIELD[1]], [1, FIELD[2]]], { cx: 0.42, cy: 0.36, r: 0.7 }),
    radial(`${id}-shine`, [[0, '#ffffff', 0.28], [1, '#ffffff', 0]], { cx: 0.5, cy: 0.5, r: 0.5 }),
  ].join('');
}
function medallionBase(id, cx, cy, { rivets = 0, scale = 1 } = {}) {
  const r = (v) => (v * scale).toFixed(3);
  let s = `<circle cx="${cx}" cy="${cy}" r="${r(19.4)}" fill="${OUTLINE}"/>` +
    `<circle cx="${cx}" cy="${cy}" r="${r(18.5)}" fill="url(#${id}-rim)"/>` +
    `<circle cx="${cx}" cy="${cy}" r="${r(16.6)}" fill="url(#${id}-bevel)"/>` +
    `<circle cx="${cx}" cy="${cy}" r="${r(15.5)}" fill="${OUTLINE}"/>` +
    `<circle cx="${cx}" cy="${cy}" r="${r(14.6)}" fill="url(#${id}-field)"/>`;
  for (let i = 0; i < rivets; i++) {
    const a = (Math.PI * 2 * i) / rivets - Math.PI / 2;
    const x = cx + Math.cos(a) * 17.55 * scale;
    const y = cy + Math.sin(a) * 17.55 * scale;
    s += `<circle cx="${x.toFixed(2)}" cy="${y.toFixed(2)}" r="${r(0.95)}" fill="${OUTLINE}" opacity="0.55"/>` +
      `<circle cx="${(x - 0.15 * scale).toFixed(2)}" cy="${(y - 0.15 * scale).toFixed(2)}" r="${r(0.7)}" fill="url(#${id}-rim)"/>`;
  }
  return s;
}
function medallionShine(id, cx, cy, scale = 1) {
  // a soft glassy highlight in the upper left of the field
  return `<ellipse cx="${cx - 4 * scale}" cy="${cy - 7 * scale}" rx="${9 * scale}" ry="${5 * scale}" ` +
    `fill="url(#${id}-shine)" transform="rotate(-25 ${cx - 4 * scale} ${cy - 7 * scale})"/>`;
}

// A subject filled with a diagonal three-tone gradient over a dark outline.
function toneGradient(id, tone, units = '') {
  const [a, b, c] = TONES[tone] || tone;
  if (units === 'userSpaceOnUse') {
    return linear(id, [[0, a], [0.5, b], [1, c]], { x1: 40, y1: 40, x2: 472, y2: 472, units });
  }
  return linear(id, [[0, a], [0.5, b], [1, c]], { x1: 0.15, y1: 0, x2: 0.85, y2: 1 });
}
function outlined(d, fill, outlineWidth, outlineColour = OUTLINE) {
  return `<path d="${d}" fill="${outlineColour}" stroke="${outlineColour}" stroke-width="${outlineWidth}" stroke-linejoin="round"/>` +
    `<path d="${d}" fill="${fill}"/>`;
}

function makeToolbar() {
  const W = 39, C = 19.5;
  const pictures = {
    toolbar_new() {
      const id = 'm';
      const defs = medallionDefs(id) +
        radial('star', [[0, '#ffffff'], [0.35, '#e6c2ff'], [0.75, '#a650f0'], [1, '#5a1aa8']]) +
        '<filter id="glow" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="1.6"/></filter>';
      const star = (d) => `<path d="${d}" fill="#c48cff" filter="url(#glow)" opacity="0.95"/>` +
        outlined(d, 'url(#star)', 16, '#24093f');
      const spark = (d) => outlined(d, '#f4e4ff', 24, '#24093f');
      return `<defs>${defs}</defs>${medallionBase(id, C, C)}` +
        `<circle cx="${C}" cy="${C}" r="9" fill="#8a3cff" opacity="0.35" filter="url(#glow)"/>` +
        placeIcon('polar-star', 6.5, 6.5, 26, star) +
        placeIcon('sparkles', 22, 8, 9, spark) +
        medallionShine(id, C, C);
    },
    toolbar_open() {
      const id = 'm';
      const defs = medallionDefs(id) + toneGradient('chest', 'gold') +
        '<filter id="glow" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="1.5"/></filter>';
      return `<defs>${defs}</defs>${medallionBase(id, C, C)}` +
        `<ellipse cx="${C}" cy="15" rx="8" ry="5" fill="#ffd84a" opacity="0.8" filter="url(#glow)"/>` +
        placeIcon('open-treasure-chest', 7.5, 7, 24, (d) => outlined(d, 'url(#chest)', 22)) +
        medallionShine(id, C, C);
    },
    toolbar_save() {
      const id = 'm';
      const defs = medallionDefs(id) +
        radial('burst', [[0, '#ffffff'], [0.3, '#e0a8ff'], [0.7, '#a050f0'], [1, '#5a1ab0']]) +
        toneGradient('arrow', ['#ffc0b0', '#ff3a30', '#a00c12']);
      return `<defs>${defs}</defs>${medallionBase(id, C, C)}` +
        `<clipPath id="field"><circle cx="${C}" cy="${C}" r="14.6"/></clipPath>` +
        `<g clip-path="url(#field)">` +
        placeIcon('explosion-rays', 5, 5, 29, (d) => `<path d="${d}" fill="url(#burst)"/>`) + '</g>' +
        placeIcon('bottom-right-3d-arrow', 8.5, 8.5, 22, (d) => outlined(d, 'url(#arrow)', 34)) +
        medallionShine(id, C, C);
    },
    toolbar_exit() {
      const id = 'm';
      const defs = medallionDefs(id) +
        linear('cross', [[0, '#ff8a7a'], [0.45, '#e0242a'], [1, '#6a0610']], { x1: 0, y1: 0, x2: 1, y2: 1 });
      const a = 12.6, b = 26.4;
      const lines = `M${a} ${a}L${b} ${b}M${b} ${a}L${a} ${b}`;
      return `<defs>${defs}</defs>${medallionBase(id, C, C)}` +
        `<path d="${lines}" stroke="${OUTLINE}" stroke-width="7" stroke-linecap="round"/>` +
        `<path d="${lines}" stroke="url(#cross)" stroke-width="4.6" stroke-linecap="round"/>` +
        `<path d="M${a + 0.6} ${a - 0.4}L${C - 1.2} ${C - 2.2}M${b - 0.4} ${a - 0.6}L${C + 2.4} ${C - 3.8}" stroke="#ffd0c8" stroke-width="0.9" stroke-linecap="round" opacity="0.8"/>` +
        medallionShine(id, C, C);
    },
    toolbar_about() {
      const id = 'm';
      const defs = medallionDefs(id) +
        linear('q', [[0, '#ffffff'], [0.6, '#f1f1f6'], [1, '#a9b1c8']]);
      const q = textOutline('libertineBold', '?', C + 0.3, 29.2, 27, { anchor: 'middle' });
      return `<defs>${defs}</defs>${medallionBase(id, C, C)}` +
        `<path d="${q.d}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="2.2" stroke-linejoin="round" transform="translate(0.6 0.8)"/>` +
        `<path d="${q.d}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="1.6" stroke-linejoin="round"/>` +
        `<path d="${q.d}" fill="url(#q)"/>` +
        medallionShine(id, C, C);
    },
  };
  for (const [name, body] of Object.entries(pictures)) {
    currentPicture = `${name}.png`;
    const svg = writeSvg(name, svgDoc(W, W, body()));
    renderKeyed(svg, path.join(outDir, `${name}.png`), W, W);
  }
}

// ---------------------------------------------------------------- app icon

function makeAppIcon() {
  currentPicture = 'app_icon.png';
  const S = 256, k = S / 39, C = S / 2;
  const id = 'm';
  const defs = medallionDefs(id) +
    linear('blade', [[0, '#ffffff'], [0.5, '#c3cfdb'], [1, '#5a6676']], { x1: 0, y1: 0, x2: 1, y2: 1 }) +
    toneGradient('hilt', 'gold') +
    linear('shield', [[0, '#ff6a6a'], [0.45, '#c0162a'], [1, '#52040e']], { x1: 0.2, y1: 0, x2: 0.8, y2: 1 }) +
    linear('edge', [[0, '#fff0a8'], [0.5, '#d9a43a'], [1, '#6e420c']], { x1: 0, y1: 0, x2: 1, y2: 1 }) +
    toneGradient('lys', 'gold') +
    '<clipPath id="hilts"><rect x="0" y="330" width="512" height="182"/></clipPath>' +
    '<clipPath id="blades"><rect x="0" y="0" width="512" height="330"/></clipPath>' +
    '<filter id="soft" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="3"/></filter>';
  const swords = (d) =>
    `<path d="${d}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="26" stroke-linejoin="round"/>` +
    `<g clip-path="url(#blades)"><path d="${d}" fill="url(#blade)"/></g>` +
    `<g clip-path="url(#hilts)"><path d="${d}" fill="url(#hilt)"/></g>`;
  const shield = (d) =>
    `<path d="${d}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="64" stroke-linejoin="round"/>` +
    `<path d="${d}" fill="url(#edge)" stroke="url(#edge)" stroke-width="40" stroke-linejoin="round"/>` +
    `<path d="${d}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="8" stroke-linejoin="round"/>` +
    `<path d="${d}" fill="url(#shield)"/>`;
  const lys = (d) => outlined(d, 'url(#lys)', 30);
  const body = `<defs>${defs}</defs>` +
    `<g transform="scale(${k})">${medallionBase(id, 19.5, 19.5, { rivets: 16 })}</g>` +
    placeIcon('crossed-swords', 34, 30, 188, swords) +
    `<ellipse cx="${C + 4}" cy="${C + 14}" rx="46" ry="54" fill="#000" opacity="0.45" filter="url(#soft)"/>` +
    placeIcon('shield', 76, 74, 104, shield) +
    placeIcon('fleur-de-lys', 99, 96, 58, lys) +
    `<g transform="scale(${k})">${medallionShine(id, 19.5, 19.5)}</g>`;
  const svg = writeSvg('app_icon', svgDoc(S, S, body));
  renderAlpha(svg, path.join(outDir, 'app_icon.png'), S, S);
}

// ---------------------------------------------------------------- banners

const BANNERS = [
  { text: 'Vellgard Unit Editor', left: 'crossed-swords', right: 'crown', size: 22, tracking: 0.6 },
  { text: 'Armies \u2022 Heroes \u2022 Spells', left: 'knight-banner', right: 'spell-book', size: 20, tracking: 0.4 },
  { text: 'Items \u2022 Sites', left: 'gem-pendant', right: 'castle', size: 22, tracking: 1.2 },
  { text: 'Click here for the story', left: 'scroll-unfurled', right: 'open-book', size: 19, tracking: 0.3 },
];

// A 31 px medallion centred at (cx, cy) holding a small gold icon.
function miniMedallion(id, cx, cy, icon) {
  const scale = 31 / 39;
  const size = 20;
  return medallionBase(id, cx, cy, { scale }) +
    placeIcon(icon, cx - size / 2, cy - size / 2, size, (d) => outlined(d, 'url(#bn-icon)', 30)) +
    medallionShine(id, cx, cy, scale);
}

function makeBanners() {
  const W = 342, H = 39;           // file size
  const VW = 340, VH = 37;         // the part the editor shows
  BANNERS.forEach((b, i) => {
    currentPicture = `banner_${i}.png`;
    const id = 'm';
    const defs = medallionDefs(id) +
      linear('bn-bg', [[0, '#2b3270'], [0.45, '#161b45'], [1, '#070918']]) +
      radial('bn-glow', [[0, '#4a56b0', 0.55], [1, '#4a56b0', 0]], { cx: 0.5, cy: 0.5, r: 0.5 }) +
      linear('bn-gold', [[0, '#fff6c4'], [0.45, '#f0c75a'], [0.55, '#d49a2c'], [1, '#fbe49a']]) +
      linear('bn-line', [[0, '#8a5a1a'], [0.5, '#f4d47c'], [1, '#8a5a1a']], { x1: 0, y1: 0, x2: 1, y2: 0 }) +
      toneGradient('bn-icon', 'gold') +
      '<filter id="bn-shadow" x="-10%" y="-30%" width="120%" height="160%"><feGaussianBlur stdDeviation="0.9"/></filter>';
    const cy = VH / 2;
    const t = textOutline('garamondSC', b.text, VW / 2, 0, b.size, { tracking: b.tracking, anchor: 'middle' });
    // centre the capitals vertically: cap height of EB Garamond is ~0.65 em
    const baseline = (cy + b.size * 0.65 / 2 + 0.2).toFixed(2);
    const textAt = textOutline('garamondSC', b.text, VW / 2, Number(baseline), b.size, { tracking: b.tracking, anchor: 'middle' });
    if (t.width > VW - 2 * 38) throw new Error(`banner ${i} text is too wide (${t.width})`);
    const left = VW / 2 - t.width / 2, right = VW / 2 + t.width / 2;
    const body = `<defs>${defs}</defs>` +
      `<rect width="${W}" height="${H}" fill="#070918"/>` +
      `<rect width="${VW}" height="${VH}" fill="url(#bn-bg)"/>` +
      `<ellipse cx="${VW / 2}" cy="${cy}" rx="${t.width / 2 + 30}" ry="16" fill="url(#bn-glow)"/>` +
      // frame: dark edge, gold line, faint inner line
      `<rect x="0.5" y="0.5" width="${VW - 1}" height="${VH - 1}" fill="none" stroke="${OUTLINE}"/>` +
      `<rect x="1.5" y="1.5" width="${VW - 3}" height="${VH - 3}" fill="none" stroke="url(#bn-line)"/>` +
      `<rect x="3.5" y="3.5" width="${VW - 7}" height="${VH - 7}" fill="none" stroke="#c9963a" stroke-opacity="0.35"/>` +
      // flourishes between the medallions and the text
      flourish(38, left - 10, cy) + flourish(VW - 38, right + 10, cy) +
      `<path d="${textAt.d}" fill="#000" opacity="0.85" filter="url(#bn-shadow)" transform="translate(0.8 1.1)"/>` +
      `<path d="${textAt.d}" fill="url(#bn-gold)" stroke="#f6d46e" stroke-width="0.25"/>` +
      miniMedallion(id, 19, cy, b.left) + miniMedallion(id, VW - 19, cy, b.right);
    const svg = writeSvg(`banner_${i}`, svgDoc(W, H, body));
    renderOpaque(svg, path.join(outDir, `banner_${i}.png`), W, H);
  });
}

// A thin gold line from x1 to x2 ending in small diamonds.
function flourish(x1, x2, y) {
  if (Math.abs(x2 - x1) < 14) return '';
  const dir = Math.sign(x2 - x1);
  const a = x1 + dir * 4, b = x2 - dir * 3;
  const dia = (x, r) => `<path d="M${x - r} ${y}L${x} ${y - r}L${x + r} ${y}L${x} ${y + r}Z" fill="#e8bd5a" stroke="${OUTLINE}" stroke-width="0.5"/>`;
  return `<path d="M${a} ${y - 0.5}H${b}M${a} ${y + 0.5}H${b}" stroke="${OUTLINE}" stroke-width="1.6" opacity="0.6"/>` +
    `<path d="M${a} ${y}H${b}" stroke="#d8a848" stroke-width="0.9"/>` +
    dia(b, 2.6) + dia((a + b) / 2, 1.8);
}

// ---------------------------------------------------------------- items

// Each item: an icon, its main tone, and optional parts that recolour a
// region of the icon (clip shapes in the 512 unit grid), plus underlays
// painted below the icon so that its inner openings read as material.
const ITEMS = [
  { icon: 'broadsword', tone: 'steel', parts: [{ clip: '<path d="M0 120L392 512H0Z"/>', tone: 'gold' }] },
  { icon: 'battle-axe', tone: 'steel', parts: [{ clip: '<path d="M0 300H250V512H0Z"/>', tone: 'wood' }] },
  { icon: 'dragon-shield', tone: 'crimson' },
  { icon: 'big-diamond-ring', tone: 'gold', parts: [{ clip: '<rect x="0" y="0" width="512" height="192"/>', tone: 'azure' }] },
  { icon: 'gem-pendant', tone: 'gold', parts: [{ clip: '<circle cx="256" cy="352" r="84"/>', tone: 'red' }] },
  { icon: 'health-potion', tone: 'glass', parts: [{ clip: '<ellipse cx="256" cy="330" rx="118" ry="100"/>', tone: 'red' }] },
  { icon: 'round-potion', tone: 'glass', under: [{ shape: '<path d="M96 330A124 124 0 1 0 340 330Z"/>', tone: 'green' }], parts: [{ clip: '<path d="M70 318H380V512H70Z"/>', tone: 'green' }] },
  { icon: 'scroll-unfurled', tone: 'parchment' },
  { icon: 'crown', tone: 'gold' },
  { icon: 'wizard-staff', tone: 'wood', parts: [{ clip: '<path d="M270 0H512V240H270Z"/>', tone: 'violet' }] },
  { icon: 'fairy-wand', tone: 'rose', parts: [{ clip: '<circle cx="355" cy="150" r="135"/>', tone: 'amber' }] },
  { icon: 'visored-helm', tone: 'steel' },
  { icon: 'horned-helm', tone: 'bronze', parts: [{ clip: '<path d="M0 0H170V245H0ZM342 0H512V245H342Z"/>', tone: 'ivory' }] },
  { icon: 'leather-boot', tone: 'leather' },
  { icon: 'gauntlet', tone: 'iron' },
  { icon: 'crystal-ball', tone: 'azure', under: [{ shape: '<circle cx="262" cy="212" r="150"/>', tone: 'violet' }], parts: [{ clip: '<rect x="0" y="372" width="512" height="140"/>', tone: 'bronze' }] },
  { icon: 'book-cover', tone: 'crimson', under: [{ shape: '<path d="M70 40L400 40L480 400L120 460Z"/>', tone: 'gold' }] },
  { icon: 'cut-diamond', tone: 'azure', under: [{ shape: '<path d="M100 100H412L490 190L256 460L22 190Z"/>', tone: 'blue' }] },
  { icon: 'emerald', tone: 'emerald', under: [{ shape: '<circle cx="256" cy="262" r="196"/>', tone: ['#7ee8a8', '#0a7a44', '#02301c'] }] },
  { icon: 'bow-arrow', tone: 'wood', parts: [{ clip: '<rect x="0" y="0" width="250" height="512"/>', tone: 'steel' }] },
  { icon: 'robe', tone: 'blue' },
  { icon: 'mighty-horn', tone: 'ivory' },
  { icon: 'key', tone: 'gold' },
  { icon: 'warhammer', tone: 'iron', parts: [{ clip: '<path d="M0 300L150 300L260 380L260 512H0Z"/>', tone: 'wood' }] },
  { icon: 'flanged-mace', tone: 'steel', parts: [{ clip: '<path d="M0 280L230 280L230 512H0Z"/>', tone: 'leather' }] },
  { icon: 'broad-dagger', tone: 'steel', parts: [{ clip: '<path d="M0 0H300L0 300Z"/>', tone: 'gold' }] },
  { icon: 'trident', tone: 'teal' },
  { icon: 'lantern', tone: 'bronze', under: [{ shape: '<rect x="160" y="244" width="192" height="190"/>', tone: 'amber' }] },
  { icon: 'jeweled-chalice', tone: 'gold', under: [{ shape: '<ellipse cx="256" cy="232" rx="46" ry="60"/>', tone: 'red' }] },
  { icon: 'lyre', tone: 'gold' },
  { icon: 'belt', tone: 'leather', parts: [{ clip: '<rect x="150" y="260" width="212" height="160"/>', tone: 'gold' }] },
  { icon: 'feather', tone: 'flame' },
];

function makeItems() {
  const S = 32;
  const pad = 1;                    // icon square spans 1 .. 31
  const k = (S - 2 * pad) / 512;
  const outlineW = 1.8 / k;         // about 0.9 px of outline on each side
  ITEMS.forEach((item, i) => {
    const name = `item_${String(i).padStart(2, '0')}`;
    currentPicture = `items/${name}.png`;
    const d = iconPathData(item.icon);
    let defs = toneGradient('main', item.tone, 'userSpaceOnUse');
    let under = '', parts = '';
    (item.under || []).forEach((u, j) => {
      defs += toneGradient(`under${j}`, u.tone, 'userSpaceOnUse');
      under += u.shape.replace('/>', ` fill="url(#under${j})" stroke="${OUTLINE}" stroke-width="${outlineW * 0.6}"/>`);
    });
    (item.parts || []).forEach((p, j) => {
      defs += toneGradient(`part${j}`, p.tone, 'userSpaceOnUse');
      defs += `<clipPath id="clip${j}">${p.clip}</clipPath>`;
      parts += `<g clip-path="url(#clip${j})"><path d="${d}" fill="url(#part${j})"/></g>`;
    });
    const body = `<defs>${defs}</defs><g transform="translate(${pad} ${pad}) scale(${k})">` +
      `<path d="${d}" fill="${OUTLINE}" stroke="${OUTLINE}" stroke-width="${outlineW}" stroke-linejoin="round"/>` +
      under +
      `<path d="${d}" fill="url(#main)"/>` + parts + '</g>';
    const svg = writeSvg(name, svgDoc(S, S, body));
    const out = path.join(outDir, 'items', `${name}.png`);
    renderKeyed(svg, out, S, S);
    // the bottom-left pixel is the see-through colour of the picture
    run('convert', [out, '-fill', MAGENTA, '-draw', 'color 0,31 point', ...PNG_CLEAN, 'PNG24:' + out]);
  });
}

// ---------------------------------------------------------------- item frame

function makeItemFrame() {
  currentPicture = 'item_frame.png';
  const S = 75;
  const cx = 37, cy = 36;            // centre of the 32 x 32 item square at (21, 20)
  const defs =
    linear('rim', [[0, '#fbe7a1'], [0.3, '#d9a646'], [0.62, '#7d4f17'], [1, '#c99a42']]) +
    linear('bevel', [[0, '#5a370f'], [0.5, '#a87228'], [1, '#f3d58a']]) +
    radial('velvet', [[0, '#5a1840'], [0.6, '#32092a'], [1, '#14030f']], { cx: 0.45, cy: 0.4, r: 0.6 }) +
    radial('gem', [[0, '#ffd0d0'], [0.4, '#e0202c'], [1, '#4a0008']], { cx: 0.35, cy: 0.35, r: 0.7 }) +
    radial('gemB', [[0, '#d8f0ff'], [0.4, '#2a78e0'], [1, '#08205a']], { cx: 0.35, cy: 0.35, r: 0.7 }) +
    '<filter id="noise" x="0" y="0" width="100%" height="100%">' +
    '<feTurbulence type="fractalNoise" baseFrequency="0.9" numOctaves="2" seed="11"/>' +
    '<feColorMatrix values="0 0 0 0 0  0 0 0 0 0  0 0 0 0 0  0 0 0 0.35 0"/>' +
    '<feComposite in2="SourceGraphic" operator="in"/></filter>';
  let studs = '';
  for (let i = 0; i < 8; i++) {
    const a = (Math.PI * 2 * i) / 8 - Math.PI / 2;
    const x = cx + Math.cos(a) * 32.1, y = cy + Math.sin(a) * 32.1;
    const big = i % 2 === 0;
    studs += `<circle cx="${x.toFixed(2)}" cy="${y.toFixed(2)}" r="${big ? 2.9 : 2.1}" fill="${OUTLINE}"/>` +
      `<circle cx="${x.toFixed(2)}" cy="${y.toFixed(2)}" r="${big ? 2.2 : 1.5}" fill="url(#${big ? 'gem' : 'gemB'})"/>`;
  }
  // laurel leaves between the studs, from the game-icons laurels
  const body = `<defs>${defs}</defs>` +
    `<circle cx="${cx}" cy="${cy}" r="36" fill="${OUTLINE}"/>` +
    `<circle cx="${cx}" cy="${cy}" r="35" fill="url(#rim)"/>` +
    `<circle cx="${cx}" cy="${cy}" r="31.5" fill="url(#bevel)"/>` +
    `<circle cx="${cx}" cy="${cy}" r="29.5" fill="${OUTLINE}"/>` +
    `<circle cx="${cx}" cy="${cy}" r="28.5" fill="url(#velvet)"/>` +
    `<circle cx="${cx}" cy="${cy}" r="28.5" fill="#000" filter="url(#noise)"/>` +
    `<circle cx="${cx}" cy="${cy}" r="33.2" fill="none" stroke="${OUTLINE}" stroke-width="0.5" stroke-dasharray="1.2 1.4" opacity="0.6"/>` +
    studs;
  const svg = writeSvg('item_frame', svgDoc(S, S, body));
  renderKeyed(svg, path.join(outDir, 'item_frame.png'), S, S);
}

// ---------------------------------------------------------------- story

const STORY_TITLE = 'The Chronicle of Vellgard';
const STORY = [
  'Long before the first banner was raised, the world of Vellgard was sung into being by the Seven Wardens, ' +
  'who bound its wild magic into the bones of the earth. When the Wardens fell asleep, the realms they left ' +
  'behind began to quarrel over that ancient power.',
  'In the north stands Corthane, a kingdom of grey citadels whose iron legions march beneath the Silver Stag. ' +
  'Beyond the Mirrowmere the elves of Sylvareth guard their moonlit groves, while in the burning south the ' +
  'sorcerer-princes of Ashkarrah raise drakes in the ash of dead mountains. Between them roam free companies, ' +
  'goblin hordes and the restless dead of the Barrowlands.',
  'No war is won by steel alone. Heroes lead every host: Queen Isolde the Unbowed, the ranger Tamsin Greycloak, ' +
  'and the fire-mage Oruvek, whose spells can turn a battle in a single breath. They search old towers, haunted ' +
  'ruins and forgotten shrines, for there the relics of the Wardens still lie hidden: blades that drink the light, ' +
  'rings of binding, and crowns that remember the first songs.',
  'Now the Wardens stir once more. Whoever gathers their relics will rule Vellgard, or wake what should have slept forever.',
];

// Breaks the paragraphs into justified lines.  The first `capLines` lines of
// the first paragraph are narrowed to leave room for the drop cap.
function layoutStory(size, width, capWidth, capLines, indent) {
  const space = textWidth('garamond', ' ', size);
  const lines = [];
  STORY.forEach((para, p) => {
    let words = para.split(' ');
    if (p === 0) words[0] = words[0].slice(1); // the initial is drawn apart
    let line = [];
    let lineW = 0;
    const avail = () => {
      const n = lines.length;
      if (p === 0 && n < capLines) return width - capWidth;
      if (line.length === 0 && lines.filter((l) => l.para === p).length === 0 && p > 0) return width - indent;
      return width;
    };
    const lineStart = () => {
      const n = lines.length;
      if (p === 0 && n < capLines) return capWidth;
      if (p > 0 && lines.filter((l) => l.para === p).length === 0) return indent;
      return 0;
    };
    let start = lineStart(), limit = width - start;
    for (const w of words) {
      const ww = textWidth('garamond', w, size);
      const need = line.length ? lineW + space + ww : ww;
      if (line.length && need > limit) {
        lines.push({ para: p, words: line, start, limit, last: false });
        line = []; lineW = 0;
        start = lineStart(); limit = width - start;
      }
      lineW = line.length ? lineW + space + ww : ww;
      line.push({ w, ww });
    }
    lines.push({ para: p, words: line, start, limit, last: true });
    void avail;
  });
  return { lines, space };
}

function makeStory() {
  currentPicture = 'story.jpg';
  const W = 400, H = 500;
  const marginX = 35, textW = W - 2 * marginX;
  const titleSize = 27;
  const titleY = 58;
  const ruleY = 73;
  const textTop = 97;            // first baseline
  const bottom = H - 50;         // last baseline must stay above this
  const indent = 14;
  const parGap = 3;

  const capBox = (() => {
    const ini = font('garamondInitials'), txt = font('garamond');
    const b = ini.charToGlyph(STORY[0][0]).getBoundingBox();
    const h = txt.charToGlyph('H').getBoundingBox();
    return {
      height: (b.y2 - b.y1) / ini.unitsPerEm, descent: -b.y1 / ini.unitsPerEm,
      width: b.x2 / ini.unitsPerEm, capHeight: h.y2 / txt.unitsPerEm,
    };
  })();

  // choose the largest text size that fits the page
  let size = 15.5, layout, lineH, capSize, capW;
  for (; size >= 11; size -= 0.25) {
    lineH = size * 1.27;
    // a three-line drop cap: its box runs from the cap height of the first
    // line down to the baseline of the third
    capSize = (lineH * 2 + capBox.capHeight * size) / capBox.height;
    capW = capBox.width * capSize + 5;
    layout = layoutStory(size, textW, capW, 3, indent);
    const paraCount = STORY.length;
    const last = textTop + (layout.lines.length - 1) * lineH + (paraCount - 1) * parGap;
    if (last <= bottom) break;
  }

  let textBody = '';
  let y = textTop;
  let prevPara = 0;
  for (const line of layout.lines) {
    if (line.para !== prevPara) { y += parGap; prevPara = line.para; }
    const natural = line.words.reduce((s, w) => s + w.ww, 0);
    const gaps = line.words.length - 1;
    const gap = line.last || gaps === 0 ? layout.space : (line.limit - natural) / gaps;
    let x = marginX + line.start;
    for (const w of line.words) {
      textBody += textOutline('garamond', w.w, x, y, size).d;
      x += w.ww + gap;
    }
    y += lineH;
  }
  const cap = textOutline('garamondInitials', STORY[0][0], marginX,
    textTop + 2 * lineH - capBox.descent * capSize, capSize);

  const title = textOutline('garamondSC', STORY_TITLE, W / 2, titleY, titleSize, { anchor: 'middle', tracking: 0.5 });
  const ruleHalf = title.width / 2 + 6;

  const defs =
    // parchment: warm base, fibres and blotches from fractal noise, dark vignette
    '<filter id="grain" x="0" y="0" width="100%" height="100%">' +
    '<feTurbulence type="fractalNoise" baseFrequency="0.85" numOctaves="2" seed="3" result="fine"/>' +
    '<feColorMatrix in="fine" values="0 0 0 0 0.35  0 0 0 0 0.24  0 0 0 0 0.1  0 0 0 -0.9 0.5" result="fineA"/>' +
    '<feTurbulence type="fractalNoise" baseFrequency="0.012 0.02" numOctaves="4" seed="8" result="blot"/>' +
    '<feColorMatrix in="blot" values="0 0 0 0 0.45  0 0 0 0 0.3  0 0 0 0 0.12  0 0 0 -2.2 1.25" result="blotA"/>' +
    '<feMerge><feMergeNode in="blotA"/><feMergeNode in="fineA"/></feMerge></filter>' +
    radial('vignette', [[0, '#000', 0], [0.62, '#3a2208', 0], [0.9, '#4a2a08', 0.35], [1, '#2a1604', 0.7]], { cx: 0.5, cy: 0.5, r: 0.72 }) +
    linear('paper', [[0, '#efdfb6'], [0.5, '#ead7a8'], [1, '#dfc790']]) +
    linear('ink', [[0, '#3a2412'], [1, '#2a180a']]) +
    linear('redInk', [[0, '#9a1c14'], [1, '#5e0c08']]) +
    toneGradient('lys', ['#c9933a', '#8a5a1e', '#4a2c0c']);

  const rule = (yy) =>
    `<path d="M${W / 2 - ruleHalf - 40} ${yy}H${W / 2 - 12}M${W / 2 + 12} ${yy}H${W / 2 + ruleHalf + 40}" stroke="#6a4418" stroke-width="1"/>` +
    `<path d="M${W / 2 - ruleHalf - 20} ${yy + 2.5}H${W / 2 - 14}M${W / 2 + 14} ${yy + 2.5}H${W / 2 + ruleHalf + 20}" stroke="#6a4418" stroke-width="0.5" opacity="0.7"/>`;
  const corner = (x, yy, sx, sy) => placeIcon('curling-vines', 0, 0, 34,
    (d) => `<path d="${d}" fill="#7a5022" opacity="0.55"/>`).replace('<g transform="', `<g transform="translate(${x} ${yy}) scale(${sx} ${sy}) `);

  const body = `<defs>${defs}</defs>` +
    `<rect width="${W}" height="${H}" fill="url(#paper)"/>` +
    `<rect width="${W}" height="${H}" filter="url(#grain)"/>` +
    `<rect width="${W}" height="${H}" fill="url(#vignette)"/>` +
    `<rect x="16.5" y="16.5" width="${W - 33}" height="${H - 33}" fill="none" stroke="#6a4418" stroke-width="1" opacity="0.8"/>` +
    `<rect x="20.5" y="20.5" width="${W - 41}" height="${H - 41}" fill="none" stroke="#6a4418" stroke-width="0.5" opacity="0.7"/>` +
    corner(23, 23, 1, 1) + corner(W - 23, 23, -1, 1) + corner(23, H - 23, 1, -1) + corner(W - 23, H - 23, -1, -1) +
    `<path d="${title.d}" fill="url(#redInk)"/>` +
    rule(ruleY) +
    placeIcon('fleur-de-lys', W / 2 - 9, ruleY - 9.5, 18, (d) => `<path d="${d}" fill="url(#lys)"/>`) +
    `<path d="${cap.d}" fill="url(#redInk)"/>` +
    `<path d="${textBody}" fill="url(#ink)"/>` +
    rule(H - 36) +
    placeIcon('fleur-de-lys', W / 2 - 8, H - 45, 16, (d) => `<path d="${d}" fill="url(#lys)"/>`);

  const svg = writeSvg('story', svgDoc(W, H, body));
  const raw = renderRaw(svg, W, H);
  const out = path.join(outDir, 'story.jpg');
  run('convert', [raw, '-background', '#e8d5a6', '-flatten', '-alpha', 'off', '-colorspace', 'sRGB',
    '-type', 'TrueColor', '-strip', '-interlace', 'none', '-sampling-factor', '2x2,1x1,1x1',
    '-quality', '86', 'JPEG:' + out]);
  const words = STORY.join(' ').split(/\s+/).length;
  console.log(`story: ${words} words, text size ${size.toFixed(2)} px, ${layout.lines.length} lines`);
}

// ---------------------------------------------------------------- main

// Who drew each icon (the folder it has in the game-icons.net collection).
// The npm package does not carry per-icon authors, so they are listed here.
const ICON_AUTHORS = {
  Lorc: ['battle-axe', 'book-cover', 'bottom-right-3d-arrow', 'broadsword', 'castle', 'crossed-swords',
    'crown', 'crystal-ball', 'curling-vines', 'cut-diamond', 'emerald', 'fairy-wand', 'feather',
    'gem-pendant', 'horned-helm', 'jeweled-chalice', 'key', 'lantern', 'leather-boot', 'lyre',
    'open-book', 'robe', 'scroll-unfurled', 'trident', 'visored-helm', 'wizard-staff'],
  Delapouite: ['bow-arrow', 'dragon-shield', 'flanged-mace', 'fleur-de-lys', 'gauntlet', 'health-potion',
    'knight-banner', 'mighty-horn', 'polar-star', 'sparkles', 'spell-book', 'warhammer'],
  Skoll: ['big-diamond-ring', 'open-treasure-chest'],
  Sbed: ['shield'],
};
const authorOf = (icon) => {
  for (const [who, names] of Object.entries(ICON_AUTHORS)) if (names.includes(icon)) return who;
  return 'a game-icons.net contributor';
};

const PICTURE_NOTES = {
  'toolbar_exit.png': 'the red cross is drawn by the script',
  'toolbar_about.png': 'the question mark is a Linux Libertine Bold glyph',
  'story.jpg': 'text set in EB Garamond, EB Garamond SC and EB Garamond Initials',
};

function writeCredits() {
  const pictures = [
    ...['toolbar_new', 'toolbar_open', 'toolbar_save', 'toolbar_exit', 'toolbar_about'].map((n) => `${n}.png`),
    'app_icon.png', ...BANNERS.map((_, i) => `banner_${i}.png`),
    ...ITEMS.map((_, i) => `items/item_${String(i).padStart(2, '0')}.png`),
    'item_frame.png', 'story.jpg',
  ];
  const rows = pictures.map((pic) => {
    const icons = [...(usedIcons.get(pic) || [])].sort();
    const used = icons.length
      ? icons.map((n) => `\`${n}\` (${authorOf(n)})`).join(', ')
      : 'none';
    const note = PICTURE_NOTES[pic] ? `; ${PICTURE_NOTES[pic]}` : '';
    return `| \`pictures/${pic}\` | ${used}${note} |`;
  });
  const text = `# Artwork credits

All pictures in \`resources/pictures/\` were made for Vellgard Unit Editor by
\`scripts/artwork/make-artwork.sh\`, which composites, recolours, outlines and
renders icons from the **game-icons.net** collection together with original
drawing (medallion rims, frames, gradients, parchment) and the story text,
which was written for this editor.

## Icons

Icons by Lorc, Delapouite, Skoll, Sbed and the other contributors of
[game-icons.net](https://game-icons.net), used under the
[Creative Commons Attribution 3.0 licence (CC BY 3.0)](https://creativecommons.org/licenses/by/3.0/).
They were taken from the npm package \`@iconify-json/game-icons\` and have been
composited, recoloured, outlined and resized for this editor. The author of
each icon is named after it below (the folder it has in the game-icons.net
collection).

| Picture | game-icons.net icons used (author) |
| --- | --- |
${rows.join('\n')}

## Fonts

Text in the banners and the story picture was turned into outlines from these
fonts (Debian packages \`fonts-ebgaramond\`, \`fonts-ebgaramond-extra\` and
\`fonts-linuxlibertine\`); no font file is shipped with the editor.

- **EB Garamond** (EB Garamond 12, EB Garamond SC 12, EB Garamond Initials) by
  Georg Duffner, SIL Open Font License 1.1.
- **Linux Libertine** (Linux Libertine O Bold) by Philipp H. Poll and the
  Libertine Open Fonts Project, SIL Open Font License 1.1 / GNU GPL with font
  exception.
`;
  fs.writeFileSync(path.join(root, 'resources', 'CREDITS.md'), text);
}

try {
  fs.mkdirSync(path.join(outDir, 'items'), { recursive: true });
  makeToolbar();
  makeAppIcon();
  makeBanners();
  makeItems();
  makeItemFrame();
  makeStory();
  writeCredits();
  console.log(`pictures written to ${path.relative(process.cwd(), outDir) || outDir}`);
} finally {
  if (keepWork) console.log(`SVG sources kept in ${work}`);
  else fs.rmSync(work, { recursive: true, force: true });
}
