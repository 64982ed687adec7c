// SPDX-License-Identifier: GPL-3.0-or-later
// The element of each kind of control, built from its row of the window's
// control table, and how the control's state shows on it.
'use strict';

const svgSpace = 'http://www.w3.org/2000/svg';

// The system colours as the desktop's default palette gives them.
const systemColours = {
  0x80000005: '#ffffff', // a box's back
  0x80000008: '#000000', // window text
  0x80000009: '#ffffff', // title text
  0x8000000f: '#efefef', // button face, and a window's back
  0x80000012: '#000000', // button text
  0x80000018: '#ffffdc', // a tooltip's back
};

// 0x00BBGGRR, or a system colour when the top bit is set.
function cssColour(colour) {
  if (colour >= 0x80000000) return systemColours[colour] || '#efefef';
  const hex = (n) => n.toString(16).padStart(2, '0');
  return `#${hex(colour & 0xff)}${hex((colour >> 8) & 0xff)}${hex((colour >> 16) & 0xff)}`;
}

function svg(name, attributes = {}) {
  const element = document.createElementNS(svgSpace, name);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
  return element;
}

function setFont(element, font) {
  element.style.fontFamily = `"${font.family}"`;
  element.style.fontSize = `${font.points}pt`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
  element.style.fontStyle = font.italic ? 'italic' : 'normal';
  element.style.textDecoration = font.underline ? 'underline' : 'none';
}

// A caption with its access key underlined, as the desktop shows a button's or a menu item's.
function showCaption(element, caption) {
  element.replaceChildren();
  let plain = '';
  for (let i = 0; i < caption.length; ++i) {
    if (caption[i] !== '&') {
      plain += caption[i];
      continue;
    }
    if (++i === caption.length) break;
    if (caption[i] === '&') {
      plain += '&';
      continue;
    }
    element.append(plain, Object.assign(document.createElement('u'), { textContent: caption[i] }));
    plain = '';
  }
  element.append(plain);
}

function accessKeyOf(caption) {
  const match = /&([^&])/.exec(caption.replaceAll('&&', ''));
  return match ? match[1].toLowerCase() : '';
}

// A box keeps CR LF between lines in the model, the page a bare LF.
const toPageLines = (text) => text.replaceAll('\r\n', '\n');
const toModelLines = (text) => text.replaceAll('\n', '\r\n');

function strokeDashes(style, width) {
  if (style === 'dot') return `${width} ${2 * width}`;
  if (style === 'dashdot') return `${4 * width} ${2 * width} ${width} ${2 * width}`;
  return 'none';
}

// The hatching repeats every 8 of the window's pixels, on the desktop's phase.
function hatchPattern(id, style, colour) {
  const pattern = svg('pattern', { id, width: 8, height: 8, patternUnits: 'userSpaceOnUse', 'data-style': style });
  const stroke = { stroke: cssColour(colour), 'stroke-width': 1, 'shape-rendering': 'crispEdges' };
  if (style === 'cross') {
    pattern.append(svg('path', { d: 'M4.5 0V8M0 3.5H8', fill: 'none', ...stroke }));
  } else {
    pattern.append(svg('path', { d: 'M-1 8.5L8.5 -1M7 8.5L8.5 7', fill: 'none', ...stroke }));
  }
  return pattern;
}

function outline(row, width, height, half) {
  let [x, y, w, h] = [0, 0, width, height];
  if (['square', 'circle', 'roundedsquare'].includes(row.shape)) {
    const side = Math.min(width, height);
    [x, y, w, h] = [Math.trunc((width - side) / 2), Math.trunc((height - side) / 2), side, side];
  }
  [x, y, w, h] = [x + half, y + half, Math.max(0, w - 2 * half), Math.max(0, h - 2 * half)];
  if (row.shape === 'oval' || row.shape === 'circle') {
    return svg('ellipse', { cx: x + w / 2, cy: y + h / 2, rx: w / 2, ry: h / 2 });
  }
  const radius = row.shape.startsWith('rounded') ? Math.min(w, h) / 4 : 0;
  return svg('rect', { x, y, width: w, height: h, rx: radius, ry: radius });
}

let patterns = 0;

// The element for a control (not a timer or a menu item).
function buildControl(row) {
  let element;
  switch (row.kind) {
    case 'label':
      element = document.createElement('div');
      if (row.role === 'result') {
        element.setAttribute('role', 'status');
        element.setAttribute('aria-label', row.accessibleName);
      }
      break;
    case 'textbox':
      if (row.multiLine) {
        element = document.createElement('textarea');
        if (row.scrollBar) element.classList.add('scrolled');
      } else {
        element = document.createElement('input');
        element.type = 'text';
        // The boxes whose keys a handler filters take whole numbers.
        if (row.keyFiltered && !row.locked) element.inputMode = 'numeric';
      }
      element.spellcheck = false;
      element.autocomplete = 'off';
      element.readOnly = row.locked;
      element.setAttribute('aria-label', row.accessibleName);
      if (!row.border) element.classList.add('borderless');
      break;
    case 'button':
      element = document.createElement('button');
      element.type = 'button';
      element.accessKey = accessKeyOf(row.text);
      if (row.graphical) element.classList.add('graphical');
      break;
    case 'frame':
      element = document.createElement('fieldset');
      element.append(document.createElement('legend'));
      break;
    case 'line':
      element = svg('svg', { 'aria-hidden': 'true' });
      element.append(svg('line'));
      break;
    case 'shape':
      element = svg('svg', { 'aria-hidden': 'true' });
      break;
    case 'image':
      element = document.createElement('img');
      if (row.picture) element.src = `pictures/${row.picture}.svg`;
      element.alt = row.pictureName;
      if (!row.pictureName) element.setAttribute('aria-hidden', 'true');
      break;
    case 'tabs':
      element = document.createElement('div');
      element.append(Object.assign(document.createElement('div'), { role: 'tablist' }));
      element.firstChild.setAttribute('role', 'tablist');
      element.firstChild.setAttribute('aria-label', row.accessibleName);
      row.pages.forEach((caption, index) => {
        const tab = document.createElement('button');
        tab.type = 'button';
        tab.setAttribute('role', 'tab');
        tab.textContent = caption;
        element.firstChild.append(tab);
        const panel = document.createElement('div');
        panel.className = 'page';
        panel.setAttribute('role', 'tabpanel');
        panel.setAttribute('aria-label', caption);
        panel.dataset.page = index;
        element.append(panel);
      });
      break;
    default:
      return null;
  }
  element.classList.add('control', row.kind);
  if (row.role) element.classList.add(row.role);
  element.dataset.name = row.name;
  if (row.tip) element.title = row.tip;
  if (row.tabIndex >= 0 && ['textbox', 'button'].includes(row.kind)) element.tabIndex = row.tabIndex + 1;
  if (row.kind !== 'line' && row.kind !== 'shape' && row.kind !== 'image') {
    setFont(element, row.font);
    // A button centres its caption whatever the row says, as on the desktop.
    if (row.kind !== 'button') element.style.textAlign = row.align;
  }
  if (row.kind === 'shape') element.dataset.pattern = `hatch${++patterns}`;
  return element;
}

function showLine(element, row, state) {
  const width = Math.max(state.borderWidth, 1);
  const shiftX = row.left - row.minX;
  const shiftY = state.top - row.minY;
  const [x1, y1, x2, y2] = [row.x1 + shiftX, row.y1 + shiftY, row.x2 + shiftX, row.y2 + shiftY];
  const [left, top] = [Math.min(x1, x2) - width, Math.min(y1, y2) - width];
  const place = { width: Math.abs(x2 - x1) + 2 * width + 1, height: Math.abs(y2 - y1) + 2 * width + 1 };
  Object.assign(element.style, { left: `${left}px`, top: `${top}px` });
  element.setAttribute('width', place.width);
  element.setAttribute('height', place.height);
  // An odd width lies on the middle of the pixels, as the desktop's pen fills them.
  const centre = width % 2 ? 0.5 : 0;
  const line = element.firstChild;
  for (const [key, value] of Object.entries({
    x1: x1 - left + centre, y1: y1 - top + centre, x2: x2 - left + centre, y2: y2 - top + centre,
    stroke: cssColour(state.borderColor), 'stroke-width': width,
    'stroke-dasharray': strokeDashes(row.stroke, width),
  })) line.setAttribute(key, value);
}

function showShape(element, row, state) {
  element.setAttribute('width', row.width);
  element.setAttribute('height', row.height);
  const shape = outline(row, row.width, row.height, state.borderWidth / 2);
  element.replaceChildren();
  if (state.fillStyle === 'solid') {
    shape.setAttribute('fill', cssColour(row.fillColor));
  } else if (state.fillStyle !== 'transparent') {
    const id = element.dataset.pattern;
    element.append(svg('defs'));
    element.firstChild.append(hatchPattern(id, state.fillStyle, row.fillColor));
    shape.setAttribute('fill', `url(#${id})`);
  } else {
    shape.setAttribute('fill', 'none');
  }
  if (state.borderWidth > 0) {
    shape.setAttribute('stroke', cssColour(state.borderColor));
    shape.setAttribute('stroke-width', state.borderWidth);
    shape.setAttribute('stroke-dasharray', strokeDashes(row.stroke, state.borderWidth));
  }
  element.append(shape);
}

function showText(element, row, text) {
  switch (row.kind) {
    case 'label':
      element.textContent = text;
      fitLabel(element, row);
      break;
    case 'button':
      showCaption(element, text);
      break;
    case 'frame':
      showCaption(element.firstChild, text);
      element.firstChild.hidden = text === '';
      break;
    case 'textbox':
      // Only the user's edits go back to the model, never this echo of its own change.
      if (element.value !== toPageLines(text)) element.value = toPageLines(text);
      break;
    default:
      break;
  }
}

// As on the desktop, a label less than two lines high holds one line of text, condensed by at
// most a fifth to fit its width; a taller one wraps its words. A number too long for its label
// shrinks, a result down to 7 points and the copy of a typed value to 5.5; then the copy ends
// in an ellipsis, and a result grows to the right over free space. The labels of a window being
// built are fitted together, in one layout. A label off the screen (on a hidden page, or hidden
// itself) is fitted once it shows.
let unfitted = null;
const unseen = new Map();

function fitLabel(element, row) {
  if (unfitted) unfitted.push([element, row]);
  else fitLabels([[element, row]]);
}

// The height of a line in each font, from a hidden line of text that stays for the next label.
const lines = new Map();
function lineOf(font) {
  const key = JSON.stringify(font);
  if (!lines.has(key)) {
    const line = Object.assign(document.createElement('div'), { className: 'lineprobe', textContent: 'X' });
    setFont(line, font);
    document.body.append(line);
    lines.set(key, line);
  }
  return lines.get(key);
}

function fitLabels(labels) {
  for (const [element, row] of labels) {
    element.style.fontSize = `${row.font.points}pt`;
    element.classList.add('oneline');
    element.classList.remove('condensed');
  }
  const seen = labels.filter(([element, row]) => {
    const shown = element.getClientRects().length > 0;
    if (shown) unseen.delete(element);
    else unseen.set(element, row);
    return shown;
  });
  const isNumber = ([, row]) => row.role === 'result' || row.role === 'echo';
  const captions = seen.filter((label) => !isNumber(label));
  const probes = captions.map(([, row]) => lineOf(row.font));
  // Read at once, then changed: one layout for them all.
  const room = captions.map(([element], index) => ({
    oneLine: element.clientHeight < 2 * probes[index].offsetHeight,
    wide: element.clientWidth,
    needed: element.scrollWidth,
  }));
  captions.forEach(([element], index) => {
    const { oneLine, wide, needed } = room[index];
    element.classList.toggle('oneline', oneLine);
    if (!oneLine || needed <= wide) return;
    element.classList.add('condensed');
    element.style.setProperty('--condense', Math.max(80, Math.trunc((100 * wide) / needed)) / 100);
    if (element.childElementCount === 0) element.replaceChildren(Object.assign(document.createElement('span'), { textContent: element.textContent }));
  });
  for (const [element, row] of seen.filter(isNumber)) {
    element.style.width = `${row.width}px`;
    shrink(element, row.font.points, row.role === 'result' ? 7 : 5.5);
    if (row.role === 'echo') element.title = element.scrollWidth > element.clientWidth ? element.textContent : '';
    if (row.role !== 'result' || element.scrollWidth <= element.clientWidth) continue;
    // A number cut at the edge reads as another number: a result still too long grows, then
    // shrinks as far as it must, and takes its own box again when it is short.
    const wanted = element.scrollWidth + element.offsetWidth - element.clientWidth;
    element.style.width = `${Math.max(row.width, Math.min(wanted, freeRight(element, row) - row.left + 1))}px`;
    shrink(element, parseFloat(element.style.fontSize), 1);
  }
}

function shrink(element, from, floor) {
  for (let points = from; element.scrollWidth > element.clientWidth && points > floor;) {
    points = Math.max(floor, points - 0.25);
    element.style.fontSize = `${points}pt`;
  }
}

// The rightmost column a result may grow to: its container's edge, or the nearest control
// to the right of its own box on any of its lines, shown or not.
function freeRight(element, row) {
  const place = (control, side) => parseFloat(control.style[side] || control.getAttribute(side) || 0);
  const top = place(element, 'top');
  const [right, bottom] = [row.left + row.width - 1, top + row.height - 1];
  let free = element.parentElement.clientWidth - 1;
  for (const other of element.parentElement.children) {
    const [otherLeft, otherTop] = [place(other, 'left'), place(other, 'top')];
    if (other !== element && otherLeft > right && otherTop <= bottom && otherTop + place(other, 'height') - 1 >= top) {
      free = Math.min(free, otherLeft - 1);
    }
  }
  return Math.max(free, right);
}

function fitShownLabels() {
  if (unfitted || !unseen.size) return;
  for (const element of unseen.keys()) if (!element.isConnected) unseen.delete(element);
  fitLabels([...unseen]);
}

function fittingLabelsOnce(build) {
  unfitted = [];
  try {
    build();
  } finally {
    const labels = unfitted;
    unfitted = null;
    fitLabels(labels);
  }
}

function showTab(element, page) {
  element.firstChild.childNodes.forEach((tab, index) => {
    tab.setAttribute('aria-selected', index === page ? 'true' : 'false');
    tab.tabIndex = index === page ? 0 : -1;
  });
  for (const panel of element.querySelectorAll(':scope > .page')) panel.hidden = Number(panel.dataset.page) !== page;
}

// Shows the whole state of a control; the model reports each change at once.
function showState(element, row, state) {
  if (row.kind === 'line') {
    showLine(element, row, state);
  } else {
    Object.assign(element.style, {
      left: `${row.left}px`, top: `${state.top}px`, width: `${row.width}px`, height: `${row.height}px`,
    });
  }
  if (row.kind === 'shape') showShape(element, row, state);
  showText(element, row, state.text);
  // An SVG element has no hidden property: the attribute does it for every kind.
  const showing = state.visible && element.hasAttribute('hidden');
  element.toggleAttribute('hidden', !state.visible);
  if ('disabled' in element) element.disabled = !state.enabled;
  else element.classList.toggle('disabled', !state.enabled);
  if (row.kind !== 'line' && row.kind !== 'shape' && row.kind !== 'image') {
    element.style.color = cssColour(state.fore);
    // A plain button keeps the system's face; a label shows its colour only when opaque.
    const back = (row.kind !== 'button' || row.graphical) && (row.kind !== 'label' || row.opaque);
    element.style.setProperty('--back', cssColour(state.back));
    element.style.backgroundColor = back ? 'var(--back)' : 'transparent';
  }
  if (row.kind === 'tabs') showTab(element, state.currentPage);
  if (showing || row.kind === 'tabs') fitShownLabels();
}
