// The tree of systems and their folders and views. Which branches are open is kept for the tab;
// the node of the page's address is revealed and selected.
import { anchorPoint, byId, el } from "./dom.js";
import { showMenu } from "./menus.js";
import { folderMenu } from "./plugin_menus.js";
import { navigate, routeKey } from "./route.js";
import { app } from "./state.js";
import { removeSystem } from "./systems.js";
import { folderName, t } from "./texts.js";

function folderNode(system, code, children = []) {
  return { label: folderName(code), route: { system, folder: code }, key: `${system}/f/${code}`, folder: code, children };
}

function viewNode(system, label, view, arg = "") {
  return { label, route: { system, view, arg }, key: `${system}/v/${view}/${arg}`, children: [] };
}

function groupNode(system, label, key, children) {
  return { label, key: `${system}/${key}`, children };
}

// The folders and views under one system.
export function systemNodes(name) {
  const folder = (code, children) => folderNode(name, code, children);
  return [
    groupNode(name, t("basicOperations"), "basic", [viewNode(name, t("jobs"), "jobs")]),
    groupNode(name, t("workManagement"), "work", [viewNode(name, t("serverJobs"), "jobs", "QKTL_")]),
    groupNode(name, t("network"), "network", [
      folder("NPP", [folder("NPF"), folder("NRC", [folder("NGP")]), folder("NMD")]),
      viewNode(name, t("activeConnections"), "connections"),
    ]),
    viewNode(name, t("commandLog"), "log"),
  ];
}

function systemNode(system) {
  return { label: system.name, key: system.name, route: { system: system.name }, system, children: systemNodes(system.name) };
}

const expanded = new Set(JSON.parse(sessionStorage.getItem("ptp-expanded") || "[]"));

function setExpanded(key, open) {
  if (open) expanded.add(key);
  else expanded.delete(key);
  sessionStorage.setItem("ptp-expanded", JSON.stringify([...expanded]));
}

// The keys from the system down to the node with `key`, or null when it is not below `node`.
function pathTo(node, key) {
  if (node.key === key) return [node.key];
  for (const child of node.children || []) {
    const below = pathTo(child, key);
    if (below) return [node.key, ...below];
  }
  return null;
}

// Opens the branches above the node that stands for `route`, so it can be seen.
export function revealRoute(route) {
  if (!route.system) return;
  // A view without a node of its own (a job, a spooled file) opens its system at least.
  const path = pathTo(systemNode({ name: route.system }), routeKey(route)) || [route.system, ""];
  for (const key of path.slice(0, -1)) setExpanded(key, true);
  if (!route.folder && !route.view) setExpanded(route.system, true);
}

function twisty(node) {
  const open = expanded.has(node.key);
  const text = node.children.length ? (open ? "\u25BE" : "\u25B8") : "";
  return el("span", { class: "twisty", "aria-hidden": "true", text });
}

function treeRow(node) {
  const row = el("div", { class: "tree-row" }, twisty(node), el("span", { class: "tree-label", title: node.label, text: node.label }));
  row.addEventListener("click", (event) => {
    event.stopPropagation();
    if (node.children.length && event.target.classList.contains("twisty")) toggle(node.key);
    else openNode(node);
  });
  row.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    event.stopPropagation();
    treeContextMenu(node, event.clientX, event.clientY);
  });
  return row;
}

function treeItem(node, level, selectedKey) {
  const hasChildren = node.children.length > 0;
  const item = el("li", {
    role: "treeitem",
    "aria-level": level,
    "aria-selected": node.key === selectedKey ? "true" : "false",
    "aria-expanded": hasChildren ? String(expanded.has(node.key)) : null,
    "aria-label": node.label,
    tabindex: "-1",
    "data-key": node.key,
  }, treeRow(node));
  item._node = node;
  if (hasChildren) item.append(el("ul", { role: "group" }, ...node.children.map((child) => treeItem(child, level + 1, selectedKey))));
  return item;
}

// One item of the tree takes part in Tab: the focused one, else the selected one, else the first.
function placeTabStop(tree, focusedKey, selectedKey) {
  const items = [...tree.querySelectorAll('[role="treeitem"]')];
  const current = items.find((item) => item.dataset.key === (focusedKey || selectedKey)) || items[0];
  if (!current) return;
  current.tabIndex = 0;
  if (focusedKey && document.activeElement === document.body) current.focus();
}

let signature = "";

export function renderTree() {
  const systems = (app.state && app.state.systems) || [];
  const selectedKey = routeKey(app.route);
  // Polling brings the same systems again and again; the tree is rebuilt only when it changed,
  // so focus and clicks in it are not disturbed.
  const wanted = JSON.stringify([systems, selectedKey, [...expanded]]);
  if (wanted === signature) return;
  signature = wanted;
  const tree = byId("tree");
  const focused = document.activeElement && document.activeElement.dataset ? document.activeElement.dataset.key : null;
  tree.replaceChildren(...systems.map((system) => treeItem(systemNode(system), 1, selectedKey)));
  placeTabStop(tree, focused, selectedKey);
}

function itemOf(key) {
  return document.querySelector(`#tree [role="treeitem"][data-key="${CSS.escape(key)}"]`);
}

function toggle(key, open = !expanded.has(key)) {
  setExpanded(key, open);
  renderTree();
  const item = itemOf(key);
  if (item) item.focus();
}

export function openNode(node) {
  if (node.children.length) setExpanded(node.key, true);
  if (node.route) navigate(node.route);
  else toggle(node.key, true);
}

function treeContextMenu(node, x, y) {
  if (node.system) {
    showMenu([{ text: t("removeSystem"), action: () => removeSystem(node.system.name) }], x, y);
    return;
  }
  if (node.folder) folderMenu(node.route.system, node.folder, x, y);
}

function visibleItems() {
  return [...document.querySelectorAll('#tree [role="treeitem"]')].filter((item) => item.offsetParent !== null);
}

function moveFocus(items, target) {
  if (!target) return;
  items.forEach((other) => (other.tabIndex = -1));
  target.tabIndex = 0;
  target.focus();
}

function expandOrEnter(at) {
  const state = at.item.getAttribute("aria-expanded");
  if (state === "false") toggle(at.node.key, true);
  else if (state === "true") at.move(at.items[at.index + 1]);
}

function collapseOrLeave(at) {
  if (at.item.getAttribute("aria-expanded") === "true") toggle(at.node.key, false);
  else at.move(at.item.parentElement.closest('[role="treeitem"]'));
}

function keyboardMenu(at) {
  const { x, y } = anchorPoint(at.item);
  treeContextMenu(at.node, x, y);
}

const TREE_KEYS = {
  ArrowDown: (at) => at.move(at.items[at.index + 1]),
  ArrowUp: (at) => at.move(at.items[at.index - 1]),
  Home: (at) => at.move(at.items[0]),
  End: (at) => at.move(at.items[at.items.length - 1]),
  ArrowRight: expandOrEnter,
  ArrowLeft: collapseOrLeave,
  Enter: (at) => openNode(at.node),
  " ": (at) => openNode(at.node),
  ContextMenu: keyboardMenu,
};

function treeKeydown(event) {
  const item = event.target.closest('[role="treeitem"]');
  const handler = event.key === "F10" && event.shiftKey ? keyboardMenu : TREE_KEYS[event.key];
  if (!item || !handler) return;
  const items = visibleItems();
  handler({ item, items, index: items.indexOf(item), node: item._node, move: (target) => moveFocus(items, target) });
  event.preventDefault();
}

export function installTree() {
  byId("tree").addEventListener("keydown", treeKeydown);
}
