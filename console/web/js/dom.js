// Building the page. Every text goes in with textContent or as an attribute value, never as
// markup, so nothing a server or user typed can run here.

function setAttribute(node, key, value) {
  if (value === undefined || value === null || value === false) return;
  if (key === "text") node.textContent = value;
  else if (key === "class") node.className = value;
  else if (key.startsWith("on")) node.addEventListener(key.slice(2), value);
  else node.setAttribute(key, value === true ? "" : String(value));
}

export function el(tag, attributes = {}, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) setAttribute(node, key, value);
  for (const child of children) {
    if (child === null || child === undefined || child === false) continue;
    node.append(child instanceof Node ? child : document.createTextNode(String(child)));
  }
  return node;
}

export function byId(id) {
  return document.getElementById(id);
}

// Labels of templates and menus mark their access key with "&" ("&&" is an ampersand).
export function plainLabel(text) {
  return String(text || "").replace(/&(&?)/g, (_, amp) => amp);
}

function focusableIn(container) {
  const candidates = container.querySelectorAll("button, input, select, textarea, [tabindex='0']");
  return [...candidates].filter((node) => !node.disabled && node.offsetParent !== null);
}

// Tab and Shift+Tab go round inside a modal dialog.
export function trapTab(event, container) {
  if (event.key !== "Tab") return;
  const focusable = focusableIn(container);
  if (focusable.length === 0) return;
  const first = focusable[0];
  const last = focusable[focusable.length - 1];
  if (event.shiftKey && document.activeElement === first) {
    last.focus();
    event.preventDefault();
  } else if (!event.shiftKey && document.activeElement === last) {
    first.focus();
    event.preventDefault();
  }
}

// Where a keyboard-opened menu appears: just below the start of `node`.
export function anchorPoint(node, dx = 24) {
  const box = node.getBoundingClientRect();
  return { x: box.left + dx, y: box.top + Math.min(box.height, 24) };
}
