// The game's two menus drawn from its entries: the menu bar and the settings menu. The keyboard's
// walk is the game's own (its marks and open menus come with the entries); a click or a tap opens
// a menu here and chooses a command by its name.
import { keepInside } from './layout.js';

const $ = (id) => document.getElementById(id);
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
  const span = document.createElement('span');
  const parts = text.split(/&(&|.)/u);
  for (let i = 0; i < parts.length; ++i) {
    if (i % 2 === 0 || parts[i] === '&') span.append(parts[i]);
    else span.append(Object.assign(document.createElement('u'), { textContent: parts[i] }));
  }
  return span;
}

function element(entry, top) {
  const el = document.createElement('div');
  el.className = top ? 'top' : 'item';
  el.dataset.name = entry.name;
  el.hidden = !entry.visible;
  el.title = entry.tip;
  el.classList.toggle('disabled', !entry.enabled);
  el.classList.toggle('active', Boolean(entry.marked));
  el.setAttribute('role', entry.checked >= 0 ? 'menuitemcheckbox' : 'menuitem');
  if (!entry.enabled) el.setAttribute('aria-disabled', 'true');
  if (entry.checked >= 0) el.setAttribute('aria-checked', String(entry.checked === 1));
  el.append(caption(entry.caption));
  if (!top) el.append(Object.assign(document.createElement('span'), { textContent: entry.shortcut }));
  if (entry.children.length) {
    el.classList.add('opens');
    const menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    menu.hidden = !entry.open && !byHand.has(entry.name);
    for (const child of entry.children) menu.append(element(child, false));
    el.append(menu);
  }
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
  const [root] = tree(settings.entries);
  popup.replaceChildren(...root.children.map((entry) => element(entry, false)));
  popup.hidden = !settings.walked;
  if (popup.hidden) return;
  keepInside(popup, ...popupAt);
  // A submenu that would leave the viewport opens to the other side.
  for (const menu of popup.querySelectorAll('.menu:not([hidden])'))
    menu.classList.toggle('flip', menu.getBoundingClientRect().right > innerWidth);
}

export function openSettingsAt(x, y) {
  popupAt = [x, y];
}

// Opens or closes the menu of an entry a click or the pointer chose, the others of its level closed.
function toggle(el, open) {
  for (const sibling of el.parentElement.children) {
    if (sibling === el || !sibling.classList.contains('opens')) continue;
    byHand.delete(sibling.dataset.name);
    sibling.querySelector('.menu').hidden = true;
  }
  if (open) byHand.add(el.dataset.name); else byHand.delete(el.dataset.name);
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
      if (el.classList.contains('opens')) {
        toggle(el, !byHand.has(el.dataset.name));
        return;
      }
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
    if (!e.target.closest('#menubar, #settings') && (byHand.size || (last && last[1].walked))) {
      close();
      onChange();
    }
  }, true);
}
