// SPDX-License-Identifier: GPL-3.0-or-later
// Put into the page before its own scripts by the scenario driver: hears, in
// order, what the user would see and hear of the program (a window shown or
// closed, a beep, a message, a print, the end) and plays the printer.
'use strict';
(() => {
  const heard = [];
  let printerOn = false;
  const onWindow = (node, what) => node.classList?.contains('window') && heard.push([what, node.dataset.name]);
  const observer = new MutationObserver((records) => records.forEach(note));
  let ended = false;
  // After the end nothing more is heard: the windows go with the program.
  function note(record) {
    if (ended) return;
    if (record.type === 'childList') {
      record.addedNodes.forEach((node) => onWindow(node, 'show'));
      record.removedNodes.forEach((node) => onWindow(node, 'close'));
    } else if (record.target.id === 'message' && record.target.open) {
      heard.push(['message', record.target.querySelector('#message-prompt').textContent,
        record.target.querySelector('#message-title').textContent]);
    } else if (record.target.id === 'ended' && !record.target.hidden) {
      heard.push(['end']);
      ended = true;
    }
  }
  const flush = () => observer.takeRecords().forEach(note);
  addEventListener('DOMContentLoaded', () => {
    // The main window, drawn by the page's scripts before this.
    document.querySelectorAll('#desk > .window').forEach((node) => onWindow(node, 'show'));
    observer.observe(document.getElementById('desk'), { childList: true });
    observer.observe(document.getElementById('message'), { attributes: true, attributeFilter: ['open'] });
    observer.observe(document.getElementById('ended'), { attributes: true, attributeFilter: ['hidden'] });
  });
  const start = OscillatorNode.prototype.start;
  OscillatorNode.prototype.start = function (...args) {
    flush();
    heard.push(['beep']);
    return start.apply(this, args);
  };
  window.print = () => {
    flush();
    if (!printerOn) throw new Error('the printer is off');
    heard.push(['print']);
  };
  const hex = (n) => n.toString(16).toUpperCase().padStart(2, '0');
  // A CSS colour as the windows write it: 0x00BBGGRR.
  function colour(css) {
    const [r, g, b] = css.startsWith('#') ? [1, 3, 5].map((at) => parseInt(css.slice(at, at + 2), 16)) : css.match(/\d+/g).map(Number);
    return `0x00${hex(b)}${hex(g)}${hex(r)}`;
  }
  // A caption with its access key marked by '&' again.
  const caption = (element) => [...element.childNodes].map((node) => (node.nodeName === 'U' ? '&' : '') + node.textContent).join('');
  const activeWindow = () => [...document.querySelectorAll('#desk > .window:not(.unshown)')].find((win) => !win.inert);
  const twips = (pixels) => String(Math.round(pixels * 15));

  function find(name) {
    const win = activeWindow();
    if (!win) throw new Error('the program has ended');
    const element = name === 'form' ? win : win.querySelector(`[data-name="${CSS.escape(name)}"]`);
    if (!element) throw new Error(`no control ${name} in ${win.dataset.name}`);
    return element;
  }

  function read(name, property) {
    const element = find(name);
    const style = getComputedStyle(element);
    const shape = element.querySelector?.(':scope > rect, :scope > ellipse');
    const line = element.querySelector?.(':scope > line');
    const box = element.matches('input, textarea');
    switch (property) {
      case 'Caption':
      case 'Text':
        if (name === 'form') return element.querySelector('.titlebar span').textContent;
        if (box) return element.value.replaceAll('\n', '\r\n');
        if (element.matches('fieldset')) return caption(element.querySelector('legend'));
        return element.matches('button') ? caption(element) : element.textContent;
      case 'ToolTipText': return element.title;
      case 'Visible': return element.hasAttribute('hidden') ? 'False' : 'True';
      case 'Enabled': return element.disabled || element.classList.contains('disabled') ? 'False' : 'True';
      case 'ForeColor': return colour(style.color);
      case 'BackColor': return colour(style.getPropertyValue('--back'));
      case 'BorderColor': return colour((line || shape).getAttribute('stroke') || 'rgb(0,0,0)');
      case 'BorderWidth': return (line || shape).getAttribute('stroke-width') || '0';
      case 'FillColor': return colour(getComputedStyle(shape).fill === 'none' ? 'rgb(0,0,0)' : getComputedStyle(shape).fill);
      case 'FillStyle': {
        const fill = shape.getAttribute('fill');
        if (fill === 'none') return 'transparent';
        return fill.startsWith('url') ? element.querySelector('pattern').dataset.style : 'solid';
      }
      case 'Tab': return String([...element.querySelectorAll('[role=tab]')].findIndex((tab) => tab.ariaSelected === 'true'));
      case 'Left':
      case 'Top': {
        // A line's place is the corner of the box that its ends span.
        const [at, ends] = property === 'Left' ? ['left', ['x1', 'x2']] : ['top', ['y1', 'y2']];
        const shift = line ? Math.floor(Math.min(...ends.map((end) => line[end].baseVal.value))) : 0;
        const pixels = parseFloat(element.style[at]) + shift;
        const client = element.parentElement;
        const scale = Number(client.dataset.scaleHeight || 0);
        return property === 'Top' && scale ? String(Math.round((pixels * scale) / client.offsetHeight)) : twips(pixels);
      }
      default: throw new Error(`cannot read ${property}`);
    }
  }

  globalThis.scenarioDriver = {
    read,
    find,
    activeWindow: () => (document.getElementById('ended').hidden ? activeWindow()?.dataset.name ?? 'none' : 'none'),
    setPrinter: (on) => { printerOn = on; },
    take: () => { flush(); return heard.splice(0); },
  };
})();
