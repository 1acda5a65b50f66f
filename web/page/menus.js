// The game's menu bar and settings menu drawn from its entries. The keyboard's walk is the game's
// (its marks and open menus come with the entries); a click or a tap opens a menu here, and a
// command goes to the game by its name.
import { $, keepInside, make } from './layout.js';

const byHand = new Set();  // the menus a click opened, by name
let last = null, shown = '', popupAt = [0, 0];

// The flat entries (each followed by its children, one deeper) as a tree.
function tree(entries) {
  const root = { children: [] }, stack = [root];
  for (const entry of entries) {
    const node = { ...entry, children: [] };
    stack.length = entry.depth + 1;
    stack[entry.depth].children.push(node);
    stack.push(node);
  }
  return root.children;
}

// "&Malá": M is the access letter, underlined; "&&" is a plain '&'.
function caption(text) {
  const span = make('span');
  text.split(/&(&|.)/u).forEach((part, i) => span.append(i % 2 === 0 || part === '&' ? part : make('u', { textContent: part })));
  return span;
}

function element(entry, top) {
  const el = make('div', { className: (top ? 'top' : 'item') + (entry.enabled ? '' : ' disabled') + (entry.marked ? ' active' : ''),
                           hidden: !entry.visible, title: entry.tip },
                  { 'data-name': entry.name, role: entry.checked >= 0 ? 'menuitemcheckbox' : 'menuitem' });
  if (!entry.enabled) el.setAttribute('aria-disabled', 'true');
  if (entry.checked >= 0) el.setAttribute('aria-checked', String(entry.checked === 1));
  el.append(caption(entry.caption));
  if (!top) el.append(make('span', { textContent: entry.shortcut }));
  if (!entry.children.length) return el;
  el.classList.add('opens');
  el.appendChild(make('div', { className: 'menu', hidden: !entry.open && !byHand.has(entry.name) }, { role: 'menu' }))
      .append(...entry.children.map((child) => element(child, false)));
  return el;
}

export function renderMenus(bar, settings) {
  last = [bar, settings];
  // Drawn anew only when the game's entries changed: an element a pointer is on stays.
  const now = JSON.stringify([bar, settings, popupAt]);
  if (now === shown) return;
  shown = now;
  $('menubar').replaceChildren(...tree(bar.entries).map((entry) => element(entry, true)));
  const popup = $('settings');
  popup.replaceChildren(...tree(settings.entries)[0].children.map((entry) => element(entry, false)));
  popup.hidden = !settings.walked;
  if (popup.hidden) return;
  keepInside(popup, ...popupAt);
  // Where a submenu (about as wide as the menu) would leave the viewport, they open to the left.
  const box = popup.getBoundingClientRect(), flip = box.right + box.width > innerWidth;
  for (const menu of popup.querySelectorAll('.menu')) menu.classList.toggle('flip', flip);
}

export const openSettingsAt = (x, y) => { popupAt = [x, y]; };
// Opens or closes the menu of an entry a click or the pointer chose, the others of its level closed.
function toggle(el, open) {
  for (const other of el.parentElement.querySelectorAll(':scope > .opens')) {
    byHand.delete(other.dataset.name);
    other.querySelector('.menu').hidden = true;
  }
  if (open) byHand.add(el.dataset.name);
  el.querySelector('.menu').hidden = !open;
}

export function listenToMenus(bridge, onChange) {
  const close = () => {
    byHand.clear();
    shown = '';
    if (last && last[1].walked) bridge.settingsMenu(false);
    else if (last) renderMenus(...last);
  };
  for (const where of [$('menubar'), $('settings')]) {
    where.addEventListener('mousedown', (e) => e.preventDefault());
    where.addEventListener('click', (e) => {
      const el = e.target.closest('[data-name]');
      if (!el || el.classList.contains('disabled')) return;
      if (el.classList.contains('opens')) return toggle(el, !byHand.has(el.dataset.name));
      close();
      bridge.command(el.dataset.name);
      onChange();
    });
  }
  // With a menu of the bar open, the pointer opens the one it passes over.
  $('menubar').addEventListener('mouseover', (e) => {
    const top = e.target.closest('.top');
    if (top && byHand.size && !byHand.has(top.dataset.name)) toggle(top, true);
  });
  addEventListener('pointerdown', (e) => {
    if (e.target.closest('#menubar, #settings') || !(byHand.size || (last && last[1].walked))) return;
    close();
    onChange();
  }, true);
}
