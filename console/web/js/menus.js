// Context menus: the default entry bold, greyed entries, separators, popups with a radio check.
// An entry is { text, action, default, greyed, checked, radio, popup: [entries], verb } or
// { separator: true }.
import { byId, el } from "./dom.js";
import { setStatus } from "./status_bar.js";
import { t } from "./texts.js";

let openMenus = [];
let returnFocus = null;

export function menusOpen() {
  return openMenus.length > 0;
}

function closeMenus() {
  for (const menu of openMenus) menu.remove();
  openMenus = [];
  if (returnFocus && document.contains(returnFocus)) returnFocus.focus();
  returnFocus = null;
}

function closeMenusFrom(level) {
  while (openMenus.length > level) openMenus.pop().remove();
}

function menuItem(entry, level, hasRadio) {
  const radio = entry.radio || hasRadio;
  const item = el("li", {
    role: radio ? "menuitemradio" : "menuitem",
    tabindex: "-1",
    "aria-disabled": entry.greyed ? "true" : null,
    "aria-checked": radio ? String(Boolean(entry.checked)) : null,
    "aria-haspopup": entry.popup ? "menu" : null,
    class: entry.default ? "default" : null,
    "data-verb": entry.verb || null,
    text: entry.text,
  });
  item._entry = entry;
  item.addEventListener("click", (event) => {
    event.stopPropagation();
    activateMenuItem(item, level);
  });
  item.addEventListener("mouseenter", () => hoverMenuItem(item, level));
  return item;
}

function hoverMenuItem(item, level) {
  item.focus();
  if (item._entry.popup && !item._entry.greyed) openPopup(item, level);
  else closeMenusFrom(level + 1);
}

// Keeps the menu inside the window.
function placeMenu(menu, x, y) {
  const box = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - box.width - 4))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - box.height - 4))}px`;
}

function buildMenu(entries, level) {
  const menu = el("ul", { class: "menu", role: "menu", "aria-label": t("commands") });
  const hasRadio = entries.some((entry) => entry.radio);
  for (const entry of entries) {
    menu.append(entry.separator ? el("li", { role: "separator" }) : menuItem(entry, level, hasRadio));
  }
  menu.addEventListener("keydown", (event) => menuKeydown(event, menu, level));
  return menu;
}

export function showMenu(entries, x, y, level = 0) {
  if (level === 0) {
    closeMenus();
    returnFocus = document.activeElement;
  } else {
    closeMenusFrom(level);
  }
  if (!entries || entries.length === 0) {
    if (level === 0) setStatus(t("noCommands"));
    return;
  }
  const menu = buildMenu(entries, level);
  byId("menu-layer").append(menu);
  openMenus.push(menu);
  placeMenu(menu, x, y);
  const first = menu.querySelector('[tabindex="-1"]');
  if (first) first.focus();
}

function openPopup(item, level) {
  const box = item.getBoundingClientRect();
  showMenu(item._entry.popup, box.right - 4, box.top, level + 1);
}

function activateMenuItem(item, level) {
  const entry = item._entry;
  if (entry.greyed) return;
  if (entry.popup) {
    openPopup(item, level);
    return;
  }
  closeMenus();
  if (entry.action) entry.action();
}

function backOut(level) {
  if (level === 0) {
    closeMenus();
    return;
  }
  closeMenusFrom(level);
  const parent = openMenus[level - 1];
  const parentItem = parent.querySelector(":focus") || parent.querySelector('[aria-haspopup="menu"]');
  if (parentItem) parentItem.focus();
}

const MENU_KEYS = {
  ArrowDown: (menu) => menu.focus(menu.index + 1),
  ArrowUp: (menu) => menu.focus(menu.index - 1),
  Home: (menu) => menu.focus(0),
  End: (menu) => menu.focus(menu.items.length - 1),
  Enter: (menu) => menu.current && activateMenuItem(menu.current, menu.level),
  " ": (menu) => menu.current && activateMenuItem(menu.current, menu.level),
  ArrowRight: (menu) => {
    const entry = menu.current && menu.current._entry;
    if (entry && entry.popup && !entry.greyed) openPopup(menu.current, menu.level);
  },
  ArrowLeft: (menu) => backOut(menu.level),
  Escape: (menu) => backOut(menu.level),
  Tab: () => closeMenus(),
};

function menuKeydown(event, menu, level) {
  const handler = MENU_KEYS[event.key];
  if (!handler) return;
  const items = [...menu.querySelectorAll('[tabindex="-1"]')];
  const index = items.indexOf(document.activeElement);
  handler({
    items, index, level,
    current: index >= 0 ? items[index] : null,
    focus: (i) => items[(i + items.length) % items.length].focus(),
  });
  event.preventDefault();
  event.stopPropagation();
}

// A click outside the menus or Escape anywhere closes them.
export function installMenuDismissal() {
  document.addEventListener("mousedown", (event) => {
    if (!event.target.closest(".menu")) closeMenus();
  });
  document.addEventListener("keydown", (event) => {
    if (event.key === "Escape" && menusOpen()) closeMenus();
  });
}
