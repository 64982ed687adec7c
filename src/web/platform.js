// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's handlers ask of the browser: a beep, a message box that
// they wait on, and a window printed alone.
'use strict';

let audio = null;

// The beep: a short soft tone.
function beep() {
  try {
    audio = audio || new AudioContext();
    const tone = audio.createOscillator();
    const volume = audio.createGain();
    tone.frequency.value = 880;
    volume.gain.setValueAtTime(0.15, audio.currentTime);
    volume.gain.exponentialRampToValueAtTime(0.001, audio.currentTime + 0.15);
    tone.connect(volume).connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.15);
  } catch {
    // A page without sound says nothing.
  }
}

// A message box with the exclamation icon and one OK button, which has the focus;
// Enter, Space and Escape answer it. The promise settles on the answer.
function showMessage(prompt, title) {
  const dialog = document.getElementById('message');
  dialog.querySelector('.message-title').textContent = title;
  dialog.querySelector('.message-prompt').textContent = prompt;
  const ok = dialog.querySelector('button');
  return new Promise((resolve) => {
    const answer = (event) => {
      event.preventDefault();
      ok.removeEventListener('click', answer);
      dialog.removeEventListener('cancel', answer);
      dialog.close();
      resolve();
    };
    ok.addEventListener('click', answer);
    dialog.addEventListener('cancel', answer);
    dialog.showModal();
    ok.focus();
  });
}

// The window's client area alone on the page, through the browser's print dialog.
function printWindow(id) {
  const win = windows.get(id);
  if (!win) return false;
  win.client.classList.add('printed');
  document.body.classList.add('printing');
  try {
    print();
    return true;
  } catch {
    return false;
  } finally {
    document.body.classList.remove('printing');
    win.client.classList.remove('printed');
  }
}
