// The game's menu bar and settings menu drawn from its entries, the menus the keys or the pointer
// opened shown open; a click, a tap or the pointer passing goes to the game by the entry's name.
import { $, keepInside, make } from './layout.js';

let shown = '', popupAt = [0, 0];

// "&Malá": M is the access letter, underlined; "&&" is a plain '&'.
function caption(text) {
  const span = make('span');
  text.split(/&(&|.)/u).forEach((part, i) => span.append(i % 2 === 0 || part === '&' ? part : make('u', { textContent: part })));
  return span;
}

// The flat entries (each followed by its children, one deeper) as elements in `into`: an entry
// with children holds them in a menu of its own.
function fill(into, entries, top) {
  into.replaceChildren();
  const menus = [into];  // where each depth's entries go
  entries.forEach((entry, i) => {
    const el = make('div', { className: (top && !entry.depth ? 'top' : 'item') + (entry.enabled ? '' : ' disabled') + (entry.marked ? ' active' : ''),
                             hidden: !entry.visible, title: entry.tip },
                    { 'data-name': entry.name, role: entry.checked >= 0 ? 'menuitemcheckbox' : 'menuitem' });
    if (!entry.enabled) el.setAttribute('aria-disabled', 'true');
    if (entry.checked >= 0) el.setAttribute('aria-checked', String(entry.checked === 1));
    el.append(caption(entry.caption));
    if (!top || entry.depth) el.append(make('span', { textContent: entry.shortcut }));
    menus[entry.depth].append(el);
    if (!(entries[i + 1]?.depth > entry.depth)) return;
    el.classList.add('opens');
    menus[entry.depth + 1] = el.appendChild(make('div', { className: 'menu', hidden: !entry.open }, { role: 'menu' }));
  });
}

export function renderMenus(bar, settings) {
  // Drawn anew only when the game's entries changed: an element a pointer is on stays.
  const now = JSON.stringify([bar, settings, popupAt]);
  if (now === shown) return;
  shown = now;
  fill($('menubar'), bar.entries, true);
  const popup = $('settings');
  // The settings menu's own entry is the popup itself.
  fill(popup, settings.entries.slice(1).map((entry) => ({ ...entry, depth: entry.depth - 1 })), false);
  if ((popup.hidden = !settings.walked)) return;
  keepInside(popup, ...popupAt);
  // A submenu (as wide as the menu, rows as tall as its item) leaving the viewport opens back.
  const box = popup.getBoundingClientRect();
  for (const menu of popup.querySelectorAll('.menu')) {
    const item = menu.parentElement.getBoundingClientRect();
    menu.classList.toggle('flip', box.right + box.width > innerWidth);
    menu.classList.toggle('rise', item.top + item.height * menu.children.length > innerHeight);
  }
}

export const openSettingsAt = (x, y) => { popupAt = [x, y]; };
export function listenToMenus(bridge, onChange) {
  // A menu the pointer opened or closed shows at once: the next click may be on its entries.
  const redraw = (changed) => changed && (renderMenus(bridge.menus(0), bridge.menus(1)), onChange());
  for (const where of [$('menubar'), $('settings')]) {
    where.addEventListener('mousedown', (e) => e.preventDefault());
    where.addEventListener('click', (e) => {
      const el = e.target.closest('[data-name]');
      if (!el || el.classList.contains('disabled')) return;
      if (el.classList.contains('opens')) return redraw(bridge.pointMenu(el.dataset.name, 1));
      bridge.command(el.dataset.name);
      onChange();
    });
  }
  $('menubar').addEventListener('mouseover', (e) => {
    const top = e.target.closest('.top');
    if (top) redraw(bridge.pointMenu(top.dataset.name, 0));
  });
  addEventListener('pointerdown', (e) => !e.target.closest('#menubar, #settings') && redraw(bridge.closeMenus()), true);
}
