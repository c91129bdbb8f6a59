"use strict";
// The console's browser side. Every text from the server is put into the page with textContent or
// as an attribute value, never as markup, so nothing a server or user typed can run here.

// The page's texts come from the console's resource library, by number.
const TEXT_IDS = {
  NPP: 34100, NPF: 34101, NRC: 34102, NMD: 34103, NGP: 34104,
  consoleAnswered: 34105, basicOperations: 34106, jobs: 34107, workManagement: 34108,
  serverJobs: 34109, network: 34110, activeConnections: 34111, commandLog: 34112,
  removeSystem: 34113, addSystemTitle: 34114, systemName: 34115, releaseField: 34116,
  removeSystemQuestion: 34117, systems: 34118, system: 34119, release: 34120,
  addSystemMenu: 34121, open: 34122, name: 34123, foldersOf: 34124, folderEmpty: 34125,
  sortBy: 34126, noCommands: 34127, addSystemTask: 34128, addSystemHelp: 34129, noTasks: 34130,
  serverJobsTitle: 34131, jobsTitle: 34132, jobTitle: 34133, showSpool: 34134, spoolTitle: 34135,
  connectionsTitle: 34136, logTitle: 34137, noSuchView: 34138,
  ok: 34139, yes: 34140, no: 34141, cancel: 34142, retry: 34143, abort: 34144, ignore: 34145,
  help: 34146, back: 34147, next: 34148, finish: 34149, apply: 34150, close: 34151,
  field: 34152, increase: 34153, decrease: 34154, refresh: 34156, tasks: 34157,
  working: 34158, consoleActions: 34159, systemsAndFolders: 34160, job: 34161, commands: 34162,
  folderTitle: 34163, documentTitle: 34164, appTitle: 34165, pages: 34167, spooledOutput: 34168,
  warning: 34170, error: 34171, information: 34172, question: 34173,
};

let texts = {};

// A text with %1..%9 filled in; the arguments are put in as they are.
function t(name, ...args) {
  const pattern = texts[TEXT_IDS[name]];
  if (pattern === undefined) return `[${name}]`;
  return pattern.replace(/%([1-9%])/g, (_, digit) => (digit === "%" ? "%" : String(args[Number(digit) - 1] ?? "")));
}

function folderName(code) {
  return TEXT_IDS[code] ? t(code) : code;
}

const ICONS = { warning: "\u26A0", error: "\u26D4", information: "\u2139", question: "?" };

// ---------------------------------------------------------------------------------------------
// Small helpers

function el(tag, attributes = {}, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (value === undefined || value === null || value === false) continue;
    if (key === "text") node.textContent = value;
    else if (key === "class") node.className = value;
    else if (key.startsWith("on")) node.addEventListener(key.slice(2), value);
    else node.setAttribute(key, value === true ? "" : String(value));
  }
  for (const child of children) {
    if (child === null || child === undefined || child === false) continue;
    node.append(child instanceof Node ? child : document.createTextNode(String(child)));
  }
  return node;
}

// Labels of templates and menus mark their access key with "&" ("&&" is an ampersand).
function plainLabel(text) {
  return String(text || "").replace(/&(&?)/g, (_, amp) => amp);
}

const LABELLED_KINDS = new Set(["static", "groupbox", "button", "checkbox", "radio"]);
function withPlainLabels(control) {
  const plain = Object.assign({}, control, { label: plainLabel(control.label) });
  if (LABELLED_KINDS.has(control.kind)) plain.text = plainLabel(control.text);
  return plain;
}

class ApiError extends Error {
  constructor(status, message) {
    super(message);
    this.status = status;
  }
}

async function api(path, body) {
  const init = { credentials: "same-origin", headers: {} };
  if (body !== undefined) {
    init.method = "POST";
    init.headers["Content-Type"] = "application/json";
    init.body = JSON.stringify(body);
  }
  setBusy(true);
  try {
    const response = await fetch(path, init);
    const text = await response.text();
    let json = null;
    try {
      json = text ? JSON.parse(text) : null;
    } catch (_) {
      json = null;
    }
    if (!response.ok) {
      const message = json && json.message ? json.message : t("consoleAnswered", response.status);
      throw new ApiError(response.status, message);
    }
    return json;
  } finally {
    setBusy(false);
  }
}

let busyCount = 0;
function setBusy(on) {
  busyCount += on ? 1 : -1;
  applyBusy();
}
function applyBusy() {
  const waiting = busyCount > 0 || Boolean(app.state && app.state.busy);
  document.getElementById("busy").hidden = !waiting;
  document.body.classList.toggle("waiting", waiting);
}

function setStatus(text) {
  document.getElementById("status-text").textContent = text || "";
}

// ---------------------------------------------------------------------------------------------
// Where the user is: the address holds the folder, so a reload opens it again.

function parseRoute() {
  const parts = location.hash.replace(/^#\/?/, "").split("/").map(decodeURIComponent);
  const route = { system: "", folder: "", view: "", arg: "" };
  if (parts[0] === "s" && parts[1]) route.system = parts[1];
  if (parts[2] === "f" && parts[3]) route.folder = parts[3];
  if (parts[2] === "v" && parts[3]) {
    route.view = parts[3];
    route.arg = parts.slice(4).join("/");
  }
  return route;
}

function routeHash(route) {
  let hash = "#/";
  if (!route.system) return hash;
  hash += "s/" + encodeURIComponent(route.system);
  if (route.folder) hash += "/f/" + encodeURIComponent(route.folder);
  if (route.view) {
    hash += "/v/" + encodeURIComponent(route.view);
    if (route.arg) hash += "/" + route.arg.split("/").map(encodeURIComponent).join("/");
  }
  return hash;
}

function navigate(route) {
  const hash = routeHash(route);
  if (location.hash === hash) {
    showRoute();
  } else {
    location.hash = hash;
  }
}

// ---------------------------------------------------------------------------------------------
// Application state

// Console views whose rows the server changes on its own.
const LIVE_VIEWS = new Set(["jobs", "connections", "job"]);

const app = {
  state: null,
  route: parseRoute(),
  list: null,          // the list view on screen, when the view is a list
  refreshSeen: null,   // the refresh count of the last list load
  pollTimer: 0,
};

async function loadState() {
  try {
    applyState(await api("/api/state"));
  } catch (error) {
    showError(error);
  }
}

function applyState(state) {
  if (!state) return;
  const previous = app.state;
  app.state = state;
  if (state.title) document.getElementById("app-title").textContent = state.title;
  if (state.status !== undefined && (!previous || previous.status !== state.status)) setStatus(state.status);
  applyBusy();
  renderTree();
  renderDialogs(state.dialogs || []);
  // A console view the plug-in asked for (a job list, a spooled file) opens once; a reloaded page
  // does not open it again.
  const navigation = state.navigate || { serial: 0 };
  if (app.navigationSeen === undefined) app.navigationSeen = navigation.serial;
  if (navigation.serial !== app.navigationSeen) {
    app.navigationSeen = navigation.serial;
    navigate({ system: navigation.system, view: navigation.view, arg: navigation.arg });
  }
  if (app.refreshSeen !== null && state.refresh !== undefined && state.refresh !== app.refreshSeen) {
    app.refreshSeen = state.refresh;
    app.changesSeen = state.changes;
    if (app.route.folder || app.route.view) showRoute();
  }
  // Profiles walking through their phases change the server under the open view; it is read
  // again while the user is not in the middle of something.
  if (app.changesSeen === undefined) app.changesSeen = state.changes;
  if (state.changes !== app.changesSeen && !(state.dialogs || []).length && openMenus.length === 0) {
    app.changesSeen = state.changes;
    if (LIVE_VIEWS.has(app.route.view) || ["NPF", "NRC"].includes(app.route.folder)) showRoute();
  }
  schedulePoll();
}

// While a dialog is open (its timers may change it) or jobs move on, the page asks again.
function schedulePoll() {
  clearTimeout(app.pollTimer);
  const dialogs = app.state && app.state.dialogs ? app.state.dialogs.length : 0;
  const interval = dialogs > 0 || (app.state && app.state.busy) ? 700 : 3000;
  app.pollTimer = setTimeout(async () => {
    try {
      const state = await fetch("/api/state", { credentials: "same-origin" }).then((r) => (r.ok ? r.json() : null));
      if (state) applyState(state);
      else schedulePoll();
    } catch (_) {
      schedulePoll();
    }
  }, interval);
}

// ---------------------------------------------------------------------------------------------
// The tree

function systemNodes(system) {
  const folder = (code, children = []) => ({
    label: folderName(code),
    route: { system: system.name, folder: code },
    key: `${system.name}/f/${code}`,
    folder: code,
    children,
  });
  const view = (label, name, arg = "") => ({
    label,
    route: { system: system.name, view: name, arg },
    key: `${system.name}/v/${name}/${arg}`,
    children: [],
  });
  return [
    {
      label: t("basicOperations"),
      key: `${system.name}/basic`,
      children: [view(t("jobs"), "jobs")],
    },
    {
      label: t("workManagement"),
      key: `${system.name}/work`,
      children: [view(t("serverJobs"), "jobs", "QKTL_")],
    },
    {
      label: t("network"),
      key: `${system.name}/network`,
      children: [
        folder("NPP", [
          folder("NPF"),
          folder("NRC", [folder("NGP")]),
          folder("NMD"),
        ]),
        view(t("activeConnections"), "connections"),
      ],
    },
    view(t("commandLog"), "log"),
  ];
}

const expanded = new Set(JSON.parse(sessionStorage.getItem("ptp-expanded") || "[]"));
function saveExpanded() {
  sessionStorage.setItem("ptp-expanded", JSON.stringify([...expanded]));
}

function routeKey(route) {
  if (route.folder) return `${route.system}/f/${route.folder}`;
  if (route.view) return `${route.system}/v/${route.view}/${route.view === "jobs" ? route.arg : ""}`;
  if (route.system) return route.system;
  return "";
}

let treeSignature = "";

function renderTree() {
  // Polling brings the same systems again and again; the tree is rebuilt only when it changed, so
  // focus and clicks in it are not disturbed.
  const signature = JSON.stringify([(app.state && app.state.systems) || [], routeKey(app.route), [...expanded]]);
  if (signature === treeSignature) return;
  treeSignature = signature;
  const tree = document.getElementById("tree");
  const focusedKey = document.activeElement && document.activeElement.dataset ? document.activeElement.dataset.key : null;
  tree.replaceChildren();
  const systems = (app.state && app.state.systems) || [];
  const selectedKey = routeKey(app.route);
  const build = (node, level) => {
    const hasChildren = node.children && node.children.length > 0;
    const item = el("li", {
      role: "treeitem",
      "aria-level": level,
      "aria-selected": node.key === selectedKey ? "true" : "false",
      "aria-expanded": hasChildren ? String(expanded.has(node.key)) : null,
      "aria-label": node.label,
      tabindex: "-1",
      "data-key": node.key,
    });
    const row = el("div", { class: "tree-row" },
      el("span", { class: "twisty", "aria-hidden": "true", text: hasChildren ? (expanded.has(node.key) ? "\u25BE" : "\u25B8") : "" }),
      el("span", { class: "tree-label", text: node.label }));
    item.append(row);
    item._node = node;
    row.addEventListener("click", (event) => {
      event.stopPropagation();
      if (hasChildren && event.target.classList.contains("twisty")) {
        toggle(node.key);
        return;
      }
      openNode(node);
    });
    row.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      event.stopPropagation();
      treeContextMenu(node, event.clientX, event.clientY);
    });
    if (hasChildren) {
      const group = el("ul", { role: "group" });
      for (const child of node.children) group.append(build(child, level + 1));
      item.append(group);
    }
    return item;
  };
  for (const system of systems) {
    const node = {
      label: system.name,
      key: system.name,
      route: { system: system.name },
      system,
      children: systemNodes(system),
    };
    tree.append(build(node, 1));
  }
  const items = [...tree.querySelectorAll('[role="treeitem"]')];
  const current = items.find((item) => item.dataset.key === (focusedKey || selectedKey)) || items[0];
  if (current) current.tabIndex = 0;
  if (focusedKey && current && tree.contains(document.activeElement) === false && document.activeElement === document.body) {
    current.focus();
  }
}

function toggle(key, open) {
  const next = open === undefined ? !expanded.has(key) : open;
  if (next) expanded.add(key);
  else expanded.delete(key);
  saveExpanded();
  renderTree();
  const item = document.querySelector(`[role="treeitem"][data-key="${CSS.escape(key)}"]`);
  if (item) item.focus();
}

function openNode(node) {
  if (node.children && node.children.length) {
    expanded.add(node.key);
    saveExpanded();
  }
  if (node.route) navigate(node.route);
  else toggle(node.key, true);
}

function visibleTreeItems() {
  return [...document.querySelectorAll('#tree [role="treeitem"]')].filter((item) => item.offsetParent !== null);
}

function treeKeydown(event) {
  const item = event.target.closest('[role="treeitem"]');
  if (!item) return;
  const items = visibleTreeItems();
  const index = items.indexOf(item);
  const node = item._node;
  const move = (target) => {
    if (!target) return;
    items.forEach((other) => (other.tabIndex = -1));
    target.tabIndex = 0;
    target.focus();
  };
  if (event.key === "ArrowDown") move(items[index + 1]);
  else if (event.key === "ArrowUp") move(items[index - 1]);
  else if (event.key === "Home") move(items[0]);
  else if (event.key === "End") move(items[items.length - 1]);
  else if (event.key === "ArrowRight") {
    if (item.getAttribute("aria-expanded") === "false") toggle(node.key, true);
    else if (item.getAttribute("aria-expanded") === "true") move(items[index + 1]);
  } else if (event.key === "ArrowLeft") {
    if (item.getAttribute("aria-expanded") === "true") toggle(node.key, false);
    else move(item.parentElement.closest('[role="treeitem"]'));
  } else if (event.key === "Enter" || event.key === " ") openNode(node);
  else if (event.key === "ContextMenu" || (event.key === "F10" && event.shiftKey)) {
    const box = item.getBoundingClientRect();
    treeContextMenu(node, box.left + 24, box.bottom);
  } else return;
  event.preventDefault();
}

async function treeContextMenu(node, x, y) {
  if (node.system) {
    showMenu([{ text: t("removeSystem"), action: () => removeSystem(node.system.name) }], x, y);
    return;
  }
  if (!node.folder) return;
  await folderMenu(node.route.system, node.folder, x, y);
}

// ---------------------------------------------------------------------------------------------
// Systems

async function addSystem() {
  const result = await formDialog(t("addSystemTitle"), [
    { name: "name", label: t("systemName"), maxLength: 8, value: "" },
    { name: "release", label: t("releaseField"), maxLength: 6, value: "050400" },
  ]);
  if (!result) return;
  try {
    applyState(await api("/api/systems/add", { name: result.name, release: result.release }));
    navigate({ system: result.name.toUpperCase() });
  } catch (error) {
    showError(error);
  }
}

async function removeSystem(name) {
  const yes = await confirmDialog(t("removeSystem"), t("removeSystemQuestion", name));
  if (!yes) return;
  try {
    applyState(await api("/api/systems/remove", { name }));
    if (app.route.system === name) navigate({});
  } catch (error) {
    showError(error);
  }
}

// ---------------------------------------------------------------------------------------------
// Views

function viewTitle(text) {
  document.getElementById("view-title").textContent = text;
  document.title = text ? t("documentTitle", text) : t("appTitle");
}

function showNotice(text, isError = false) {
  document.getElementById("view").replaceChildren(el("p", { class: isError ? "notice error" : "notice", text }));
}

async function showRoute() {
  app.route = parseRoute();
  // A list shown again for the same folder keeps its selection and cursor.
  const previous = app.list;
  app.list = null;
  renderTree();
  const route = app.route;
  if (!route.system) {
    showSystems();
    loadTasks(null);
    return;
  }
  if (route.folder) {
    await showFolder(route.system, route.folder, previous);
    return;
  }
  loadTasks(null);
  if (route.view) {
    await showConsoleView(route);
    return;
  }
  showSystemHome(route.system);
}

function showSystems() {
  viewTitle(t("systems"));
  const systems = (app.state && app.state.systems) || [];
  const columns = [{ text: t("system"), width: 160 }, { text: t("release"), width: 120 }];
  const rows = systems.map((system) => ({ id: system.name, cells: [system.name, system.release] }));
  app.list = new ListView(columns, rows, {
    label: t("systems"),
    onOpen: (chosen) => navigate({ system: chosen[0].id }),
    onMenu: (chosen, x, y) => {
      if (chosen.length === 0) {
        showMenu([{ text: t("addSystemMenu"), action: addSystem }], x, y);
        return;
      }
      showMenu([
        { text: t("open"), default: true, action: () => navigate({ system: chosen[0].id }) },
        { separator: true },
        { text: t("removeSystem"), action: () => removeSystem(chosen[0].id) },
      ], x, y);
    },
  });
  document.getElementById("view").replaceChildren(app.list.element);
}

function showSystemHome(name) {
  viewTitle(name);
  expanded.add(name);
  saveExpanded();
  renderTree();
  const nodes = systemNodes({ name });
  const flat = [];
  const walk = (list) => list.forEach((node) => {
    if (node.route) flat.push(node);
    walk(node.children || []);
  });
  walk(nodes);
  const rows = flat.map((node, index) => ({ id: String(index), cells: [node.label] }));
  app.list = new ListView([{ text: t("name"), width: 320 }], rows, {
    label: t("foldersOf", name),
    onOpen: (chosen) => openNode(flat[Number(chosen[0].id)]),
  });
  document.getElementById("view").replaceChildren(app.list.element);
}

async function showFolder(system, folder, previous) {
  viewTitle(t("folderTitle", folderName(folder), system));
  loadTasks({ system, folder });
  if (folder === "NPP") {
    const children = ["NPF", "NRC", "NMD"];
    const rows = children.map((code) => ({ id: code, cells: [folderName(code)] }));
    app.list = new ListView([{ text: t("name"), width: 320 }], rows, {
      label: folderName("NPP"),
      onOpen: (chosen) => navigate({ system, folder: chosen[0].id }),
      onMenu: (chosen, x, y) => folderMenu(system, chosen.length ? chosen[0].id : "NPP", x, y),
    });
    document.getElementById("view").replaceChildren(app.list.element);
    return;
  }
  let data;
  try {
    data = await api(`/api/folder?system=${encodeURIComponent(system)}&folder=${encodeURIComponent(folder)}`);
  } catch (error) {
    showNotice(error.message, true);
    return;
  }
  if (app.route.folder !== folder || app.route.system !== system) return;
  if (app.state) app.refreshSeen = app.state.refresh;
  app.list = new ListView(data.columns, data.rows, {
    label: folderName(folder),
    key: `${system}/${folder}`,
    onOpen: (chosen) => openDefault(system, folder, chosen),
    onMenu: (chosen, x, y) => (chosen.length ? itemMenu(system, folder, chosen, x, y) : folderMenu(system, folder, x, y)),
  });
  const hadFocus = previous && previous.wrap.contains(document.activeElement);
  if (previous) app.list.keepSelectionOf(previous);
  const view = document.getElementById("view");
  view.replaceChildren(app.list.element);
  if (hadFocus) app.list.wrap.focus();
  if (data.message) view.prepend(el("p", { class: "notice", text: data.message }));
}

// ---------------------------------------------------------------------------------------------
// The list view: columns with headings and widths, sorting, multi-select with Shift and Ctrl.

class ListView {
  constructor(columns, rows, options) {
    this.columns = columns;
    this.rows = rows;
    this.options = options;
    const saved = options.key ? JSON.parse(sessionStorage.getItem(`ptp-sort/${options.key}`) || "null") : null;
    this.sort = saved || { column: -1, ascending: true };
    this.selected = new Set();
    this.anchor = -1;
    this.cursor = -1;
    this.order = [];
    this.table = el("table", { class: "list", role: "grid", "aria-label": options.label, "aria-multiselectable": "true" });
    this.wrap = el("div", { class: "list-wrap", tabindex: "0", "aria-label": options.label });
    this.wrap.append(this.table);
    this.wrap.addEventListener("keydown", (event) => this.keydown(event));
    this.wrap.addEventListener("contextmenu", (event) => {
      if (event.target.closest("thead")) return;
      event.preventDefault();
      const row = event.target.closest("tbody tr");
      if (row && !this.selected.has(Number(row.dataset.index))) this.select(Number(row.dataset.index), {});
      if (!row) this.clearSelection();
      this.menu(event.clientX, event.clientY);
    });
    this.render();
    this.element = this.rows.length === 0 ? this.withEmptyNote() : this.wrap;
  }

  withEmptyNote() {
    const box = el("div");
    box.append(this.wrap, el("p", { class: "empty", text: t("folderEmpty") }));
    return box;
  }

  keepSelectionOf(previous) {
    if (previous.options.key !== this.options.key) return;
    const ids = new Set([...previous.selected].map((index) => previous.rows[index] && previous.rows[index].id));
    this.rows.forEach((row, index) => {
      if (ids.has(row.id)) this.selected.add(index);
    });
    const same = (index) => previous.rows[index] ? this.rows.findIndex((row) => row.id === previous.rows[index].id) : -1;
    this.cursor = same(previous.cursor);
    this.anchor = same(previous.anchor);
    this.render();
  }

  sortedOrder() {
    const order = this.rows.map((_, index) => index);
    const column = this.sort.column;
    if (column < 0) return order;
    const collator = new Intl.Collator(undefined, { numeric: true, sensitivity: "base" });
    order.sort((a, b) => {
      const result = collator.compare(this.rows[a].cells[column] || "", this.rows[b].cells[column] || "");
      return this.sort.ascending ? result : -result;
    });
    return order;
  }

  render() {
    this.order = this.sortedOrder();
    const head = el("thead");
    const headRow = el("tr");
    const colgroup = el("colgroup");
    this.columns.forEach((column, index) => {
      colgroup.append(el("col", { style: null, "data-width": column.width }));
      const sorted = this.sort.column === index ? (this.sort.ascending ? "ascending" : "descending") : "none";
      const button = el("button", {
        type: "button",
        text: column.text,
        onclick: () => this.sortBy(index),
        "aria-label": t("sortBy", column.text),
      });
      headRow.append(el("th", { scope: "col", "aria-sort": sorted }, button));
    });
    head.append(headRow);
    const body = el("tbody");
    this.order.forEach((rowIndex, position) => {
      const row = this.rows[rowIndex];
      const tr = el("tr", {
        "data-index": rowIndex,
        "data-id": row.id,
        "aria-selected": this.selected.has(rowIndex) ? "true" : "false",
        class: this.cursor === rowIndex ? "cursor" : null,
        "aria-rowindex": position + 2,
      });
      row.cells.forEach((cell) => tr.append(el("td", { text: cell, title: cell })));
      for (let i = row.cells.length; i < this.columns.length; ++i) tr.append(el("td"));
      tr.addEventListener("mousedown", (event) => {
        if (event.button !== 0) return;
        this.select(rowIndex, { shift: event.shiftKey, ctrl: event.ctrlKey || event.metaKey });
      });
      tr.addEventListener("dblclick", () => this.open());
      body.append(tr);
    });
    this.table.replaceChildren(colgroup, head, body);
    // Widths are set from script: the page's policy forbids inline style attributes.
    const cols = colgroup.querySelectorAll("col");
    this.columns.forEach((column, index) => {
      if (column.width) cols[index].style.width = `${Math.max(40, column.width)}px`;
    });
    const cursorRow = this.table.querySelector("tr.cursor");
    if (cursorRow && typeof cursorRow.scrollIntoView === "function") cursorRow.scrollIntoView({ block: "nearest" });
  }

  sortBy(column) {
    if (this.sort.column === column) this.sort.ascending = !this.sort.ascending;
    else this.sort = { column, ascending: true };
    if (this.options.key) sessionStorage.setItem(`ptp-sort/${this.options.key}`, JSON.stringify(this.sort));
    this.render();
  }

  clearSelection() {
    this.selected.clear();
    this.render();
  }

  select(rowIndex, { shift = false, ctrl = false }) {
    if (shift && this.anchor >= 0) {
      const from = this.order.indexOf(this.anchor);
      const to = this.order.indexOf(rowIndex);
      if (!ctrl) this.selected.clear();
      for (let i = Math.min(from, to); i <= Math.max(from, to); ++i) this.selected.add(this.order[i]);
    } else if (ctrl) {
      if (this.selected.has(rowIndex)) this.selected.delete(rowIndex);
      else this.selected.add(rowIndex);
      this.anchor = rowIndex;
    } else {
      this.selected.clear();
      this.selected.add(rowIndex);
      this.anchor = rowIndex;
    }
    this.cursor = rowIndex;
    this.render();
    this.wrap.focus();
  }

  chosen() {
    return this.order.filter((index) => this.selected.has(index)).map((index) => this.rows[index]);
  }

  open() {
    const chosen = this.chosen();
    if (chosen.length && this.options.onOpen) this.options.onOpen(chosen);
  }

  menu(x, y) {
    if (!this.options.onMenu) return;
    if (x === undefined) {
      const row = this.table.querySelector("tr.cursor") || this.wrap;
      const box = row.getBoundingClientRect();
      x = box.left + 40;
      y = box.top + Math.min(box.height, 24);
    }
    this.options.onMenu(this.chosen(), x, y);
  }

  keydown(event) {
    if (event.target.closest("thead")) return;
    const position = this.order.indexOf(this.cursor);
    const moveTo = (next) => {
      if (next < 0 || next >= this.order.length) return;
      const rowIndex = this.order[next];
      if (event.ctrlKey && !event.shiftKey) {
        this.cursor = rowIndex;
        this.render();
      } else {
        this.select(rowIndex, { shift: event.shiftKey, ctrl: false });
      }
    };
    if (event.key === "ArrowDown") moveTo(position < 0 ? 0 : position + 1);
    else if (event.key === "ArrowUp") moveTo(position < 0 ? 0 : position - 1);
    else if (event.key === "Home") moveTo(0);
    else if (event.key === "End") moveTo(this.order.length - 1);
    else if (event.key === " " && this.cursor >= 0) this.select(this.cursor, { ctrl: event.ctrlKey });
    else if (event.key === "a" && (event.ctrlKey || event.metaKey)) {
      this.order.forEach((index) => this.selected.add(index));
      this.render();
    } else if (event.key === "Enter") this.open();
    else if (event.key === "ContextMenu" || (event.key === "F10" && event.shiftKey)) this.menu();
    else return;
    event.preventDefault();
  }
}

// ---------------------------------------------------------------------------------------------
// Context menus: default entry bold, greyed entries, separators, popups with a radio check.

let openMenus = [];
let menuReturnFocus = null;

function closeMenus() {
  for (const menu of openMenus) menu.remove();
  openMenus = [];
  if (menuReturnFocus && document.contains(menuReturnFocus)) menuReturnFocus.focus();
  menuReturnFocus = null;
}

function closeMenusFrom(level) {
  while (openMenus.length > level) openMenus.pop().remove();
}

function showMenu(entries, x, y, level = 0) {
  if (level === 0) {
    closeMenus();
    menuReturnFocus = document.activeElement;
  } else {
    closeMenusFrom(level);
  }
  if (!entries || entries.length === 0) {
    if (level === 0) setStatus(t("noCommands"));
    return;
  }
  const menu = el("ul", { class: "menu", role: "menu", "aria-label": t("commands") });
  const hasRadio = entries.some((entry) => entry.radio);
  entries.forEach((entry) => {
    if (entry.separator) {
      menu.append(el("li", { role: "separator" }));
      return;
    }
    const item = el("li", {
      role: entry.radio || hasRadio ? "menuitemradio" : "menuitem",
      tabindex: "-1",
      "aria-disabled": entry.greyed ? "true" : null,
      "aria-checked": entry.radio || hasRadio ? String(Boolean(entry.checked)) : null,
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
    item.addEventListener("mouseenter", () => {
      item.focus();
      if (entry.popup && !entry.greyed) openPopup(item, level);
      else closeMenusFrom(level + 1);
    });
    menu.append(item);
  });
  menu.addEventListener("keydown", (event) => menuKeydown(event, menu, level));
  document.getElementById("menu-layer").append(menu);
  openMenus.push(menu);
  const box = menu.getBoundingClientRect();
  const left = Math.max(0, Math.min(x, window.innerWidth - box.width - 4));
  const top = Math.max(0, Math.min(y, window.innerHeight - box.height - 4));
  menu.style.left = `${left}px`;
  menu.style.top = `${top}px`;
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

function menuKeydown(event, menu, level) {
  const items = [...menu.querySelectorAll('[tabindex="-1"]')];
  const index = items.indexOf(document.activeElement);
  const focus = (i) => items[(i + items.length) % items.length].focus();
  if (event.key === "ArrowDown") focus(index + 1);
  else if (event.key === "ArrowUp") focus(index - 1);
  else if (event.key === "Home") focus(0);
  else if (event.key === "End") focus(items.length - 1);
  else if (event.key === "Enter" || event.key === " ") {
    if (index >= 0) activateMenuItem(items[index], level);
  } else if (event.key === "ArrowRight") {
    if (index >= 0 && items[index]._entry.popup && !items[index]._entry.greyed) openPopup(items[index], level);
  } else if (event.key === "ArrowLeft" || event.key === "Escape") {
    if (level === 0) closeMenus();
    else {
      closeMenusFrom(level);
      const parentItem = openMenus[level - 1].querySelector(":focus") || openMenus[level - 1].querySelector('[aria-haspopup="menu"]');
      if (parentItem) parentItem.focus();
    }
  } else if (event.key === "Tab") {
    closeMenus();
  } else return;
  event.preventDefault();
  event.stopPropagation();
}

document.addEventListener("mousedown", (event) => {
  if (!event.target.closest(".menu")) closeMenus();
});

// Turns the plug-in's menu entries into menu entries that run their command.
function pluginEntries(system, folder, items, entries) {
  return entries.map((entry) => {
    if (entry.separator) return { separator: true };
    const converted = {
      text: plainLabel(entry.text),
      verb: entry.verb,
      greyed: entry.greyed,
      default: entry.default,
      checked: entry.checked,
      radio: entry.radio,
    };
    if (entry.popup) converted.popup = pluginEntries(system, folder, items, entry.popup);
    else converted.action = () => invoke(system, folder, items, entry.verb);
    return converted;
  });
}

async function itemMenu(system, folder, rows, x, y) {
  const items = rows.map((row) => row.id);
  try {
    const answer = await api("/api/menu", { system, folder, items, kind: "object" });
    showMenu(pluginEntries(system, folder, items, answer.entries), x, y);
  } catch (error) {
    showError(error);
  }
}

async function folderMenu(system, folder, x, y) {
  try {
    const answer = await api("/api/menu", { system, folder, items: [], kind: "new" });
    showMenu(pluginEntries(system, folder, [], answer.entries), x, y);
  } catch (error) {
    showError(error);
  }
}

async function openDefault(system, folder, rows) {
  // The group access policies row of the receiver folder opens its folder.
  if (rows.length === 1 && rows[0].id.includes("\u0001NGP\u0002")) {
    navigate({ system, folder: "NGP" });
    return;
  }
  const items = rows.map((row) => row.id);
  try {
    const answer = await api("/api/menu", { system, folder, items, kind: "default" });
    const entry = (answer.entries || []).find((candidate) => candidate.default && !candidate.greyed) ||
      (answer.entries || []).find((candidate) => !candidate.separator && !candidate.greyed && !candidate.popup);
    if (entry) await invoke(system, folder, items, entry.verb);
  } catch (error) {
    showError(error);
  }
}

async function invoke(system, folder, items, verb) {
  try {
    applyState(await api("/api/invoke", { system, folder, items, verb }));
  } catch (error) {
    showError(error);
  }
}

// ---------------------------------------------------------------------------------------------
// The task pad

let tasksAsked = 0;

async function loadTasks(where) {
  const list = document.getElementById("tasks");
  // Only the latest request fills the pad; an earlier answer arriving late is dropped.
  const ticket = ++tasksAsked;
  if (!where) {
    list.replaceChildren(el("li", {}, el("button", { type: "button", onclick: addSystem }, t("addSystemTask"),
      el("span", { class: "task-help", text: t("addSystemHelp") }))));
    return;
  }
  list.replaceChildren();
  let answer;
  try {
    answer = await api(`/api/tasks?system=${encodeURIComponent(where.system)}&folder=${encodeURIComponent(where.folder)}`);
  } catch (error) {
    if (ticket === tasksAsked) list.replaceChildren(el("li", { class: "notice", text: error.message }));
    return;
  }
  if (ticket !== tasksAsked) return;
  const items = (answer.tasks || []).map((task) => el("li", {}, el("button", {
    type: "button",
    "data-task": task.id,
    onclick: () => runTask(where.system, where.folder, task.id),
  }, task.title, el("span", { class: "task-help", text: task.description }))));
  if (items.length === 0) items.push(el("li", { class: "notice", text: t("noTasks") }));
  list.replaceChildren(...items);
}

async function runTask(system, folder, task) {
  try {
    applyState(await api("/api/task", { system, folder, task }));
  } catch (error) {
    showError(error);
  }
}

// ---------------------------------------------------------------------------------------------
// The console's own views: server jobs, a job, its spooled file, connections, the command log.

async function showConsoleView(route) {
  const { system, view, arg } = route;
  const query = (params) => Object.entries(params).map(([k, v]) => `${k}=${encodeURIComponent(v)}`).join("&");
  try {
    if (view === "jobs") {
      viewTitle(arg ? t("serverJobsTitle", arg, system) : t("jobsTitle", system));
      const data = await api(`/api/jobs?${query({ system, prefix: arg })}`);
      showTable(data, {
        label: t("jobs"),
        onOpen: (rows) => navigate({ system, view: "job", arg: rows[0].id }),
      });
    } else if (view === "job") {
      viewTitle(t("jobTitle", arg, system));
      const data = await api(`/api/job?${query({ system, job: arg })}`);
      showTable(data, {
        label: t("job"),
        onOpen: (rows) => rows[0].spool && navigate({ system, view: "spool", arg: rows[0].spool }),
      });
      if (data.spool) {
        document.getElementById("view").prepend(el("div", { class: "view-toolbar" },
          el("button", { type: "button", class: "button", onclick: () => navigate({ system, view: "spool", arg: data.spool }) }, t("showSpool"))));
      }
    } else if (view === "spool") {
      viewTitle(t("spoolTitle", arg, system));
      const data = await api(`/api/spool?${query({ system, file: arg })}`);
      document.getElementById("view").replaceChildren(el("pre", { class: "spool", tabindex: "0", "aria-label": t("spooledOutput"), text: data.text }));
    } else if (view === "connections") {
      viewTitle(t("connectionsTitle", system));
      const data = await api(`/api/connections?${query({ system })}`);
      showTable(data, { label: t("activeConnections") });
    } else if (view === "log") {
      viewTitle(t("logTitle", system));
      const data = await api(`/api/log?${query({ system })}`);
      showTable(data, { label: t("commandLog") });
    } else {
      showNotice(t("noSuchView"), true);
    }
  } catch (error) {
    showNotice(error.message, true);
  }
}

function showTable(data, options) {
  app.list = new ListView(data.columns, data.rows, options);
  document.getElementById("view").replaceChildren(app.list.element);
}

// ---------------------------------------------------------------------------------------------
// The console's own small dialogs (errors, confirmations, forms)

function modalFrame(title, labelId) {
  const backdrop = el("div", { class: "modal-backdrop" });
  const dialog = el("div", { class: "dialog", role: "dialog", "aria-modal": "true", "aria-labelledby": labelId });
  dialog.append(el("header", { id: labelId, text: title }));
  backdrop.append(dialog);
  return { backdrop, dialog };
}

function consoleDialog(title, body, buttons) {
  return new Promise((resolve) => {
    const returnFocus = document.activeElement;
    const { backdrop, dialog } = modalFrame(title, "console-dialog-title");
    dialog.classList.add("console-dialog");
    const footer = el("footer");
    const close = (value) => {
      backdrop.remove();
      if (returnFocus && document.contains(returnFocus)) returnFocus.focus();
      resolve(value);
    };
    for (const button of buttons) {
      footer.append(el("button", { type: "button", class: button.primary ? "button primary" : "button", text: button.text, onclick: () => close(button.value()) }));
    }
    dialog.append(el("div", { class: "dialog-body" }, body), footer);
    dialog.addEventListener("keydown", (event) => {
      if (event.key === "Escape") close(null);
      if (event.key === "Enter" && event.target.tagName === "INPUT") close(buttons.find((b) => b.primary).value());
      trapTab(event, dialog);
    });
    document.body.append(backdrop);
    const first = dialog.querySelector("input, button.primary, button");
    if (first) first.focus();
  });
}

function showError(error) {
  const text = error && error.message ? error.message : String(error);
  setStatus(text);
  return consoleDialog("ptpconsole", el("div", { class: "message-box", role: "alert" },
    el("span", { class: "message-icon error", "aria-hidden": "true", text: ICONS.error }),
    el("span", { text })), [{ text: t("ok"), primary: true, value: () => true }]);
}

function confirmDialog(title, text) {
  return consoleDialog(title, el("p", { text }), [
    { text: t("yes"), primary: true, value: () => true },
    { text: t("no"), value: () => false },
  ]);
}

function formDialog(title, fields) {
  const grid = el("div", { class: "form-grid" });
  const inputs = {};
  fields.forEach((field, index) => {
    const id = `console-field-${index}`;
    inputs[field.name] = el("input", { id, type: "text", maxlength: field.maxLength, value: field.value, name: field.name });
    grid.append(el("label", { for: id, text: field.label }), inputs[field.name]);
  });
  return consoleDialog(title, grid, [
    { text: t("ok"), primary: true, value: () => Object.fromEntries(Object.entries(inputs).map(([k, v]) => [k, v.value.trim()])) },
    { text: t("cancel"), value: () => null },
  ]);
}

function trapTab(event, container) {
  if (event.key !== "Tab") return;
  const focusable = [...container.querySelectorAll("button, input, select, textarea, [tabindex='0']")].filter((node) => !node.disabled && node.offsetParent !== null);
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

// ---------------------------------------------------------------------------------------------
// The plug-in's dialogs, rendered from the dialog state the console sends: the stack of open
// dialogs, each with its controls; what the user does goes back as actions.

let renderedDialogs = "";

function renderDialogs(stack) {
  const layer = document.getElementById("dialog-layer");
  const signature = JSON.stringify(stack);
  if (signature === renderedDialogs) return;
  renderedDialogs = signature;
  const active = document.activeElement;
  const focusKey = active && active.dataset ? active.dataset.focusKey : null;
  layer.replaceChildren();
  stack.forEach((dialog, index) => {
    const node = dialog.kind === "message" ? renderMessageBox(dialog) : renderPluginDialog(dialog);
    if (index < stack.length - 1) node.setAttribute("inert", "");
    layer.append(node);
  });
  if (stack.length === 0) return;
  const top = layer.lastElementChild;
  const again = focusKey ? top.querySelector(`[data-focus-key="${CSS.escape(focusKey)}"]`) : null;
  const wanted = top.querySelector("[data-has-focus]");
  const fallback = top.querySelector("button.primary:not(:disabled), input:not(:disabled), select:not(:disabled), button:not(:disabled)");
  (again || wanted || fallback || top).focus();
}

async function dialogAction(dialog, action, extra = {}) {
  try {
    applyState(await api("/api/dialog", Object.assign({ dialog: dialog.serial, action }, extra)));
  } catch (error) {
    showError(error);
  }
}

// Button results and icon bits of the toolkit's message boxes.
const BUTTON_NAMES = { 1: "ok", 2: "cancel", 3: "abort", 4: "retry", 5: "ignore", 6: "yes", 7: "no" };
const ICON_NAMES = { 0x10: "error", 0x20: "question", 0x30: "warning", 0x40: "information" };

function renderMessageBox(state) {
  const buttons = (state.buttons || [1]).map((id) => BUTTON_NAMES[id] || "ok");
  const box = {
    serial: state.serial,
    title: state.caption,
    text: state.text,
    icon: ICON_NAMES[(state.style || 0) & 0xf0] || "",
    buttons,
    defaultButton: Math.max(0, (state.buttons || []).indexOf(state.default)),
  };
  const labelId = `message-${box.serial}`;
  const { backdrop, dialog } = modalFrame(box.title || t("appTitle"), labelId);
  dialog.setAttribute("role", "alertdialog");
  dialog.dataset.serial = box.serial;
  dialog.classList.add("plugin-message");
  const icon = box.icon || "";
  dialog.append(el("div", { class: "dialog-body" }, el("div", { class: "message-box" },
    icon ? el("span", { class: `message-icon ${icon}`, role: "img", "aria-label": t(icon), text: ICONS[icon] || "" }) : null,
    el("span", { class: "message-text", text: box.text }))));
  const footer = el("footer");
  (box.buttons || ["ok"]).forEach((name, index) => {
    footer.append(el("button", {
      type: "button",
      class: index === (box.defaultButton || 0) ? "button primary" : "button",
      "data-answer": name,
      "data-focus-key": `answer-${name}`,
      text: TEXT_IDS[name] ? t(name) : name,
      onclick: () => dialogAction(box, "answer", { text: name }),
    }));
  });
  dialog.append(footer);
  dialog.addEventListener("keydown", (event) => {
    if (event.key === "Escape" && (box.buttons || []).includes("cancel")) dialogAction(box, "answer", { text: "cancel" });
    else if (event.key === "Escape" && (box.buttons || ["ok"]).length === 1) dialogAction(box, "answer", { text: (box.buttons || ["ok"])[0] });
    trapTab(event, dialog);
  });
  return backdrop;
}


// The toolkit's picture of a dialog, as the page draws it: a sheet keeps all its buttons in the
// button row and shows the active page's controls; a dialog keeps OK, Cancel and Help there.
const FOOTER_BUTTONS = new Set([1, 2, 9]);

function pageDialog(snapshot) {
  const own = snapshot.controls || [];
  const inFooter = (control) => control.kind === "button" && (snapshot.isSheet || FOOTER_BUTTONS.has(control.id));
  return {
    serial: snapshot.serial,
    name: snapshot.className,
    title: snapshot.caption,
    wizard: snapshot.isWizard,
    activePage: snapshot.activePage,
    pages: (snapshot.pages || []).map((page) => ({ title: page.caption })),
    helpTitle: snapshot.helpTitle,
    helpText: snapshot.helpText,
    refused: snapshot.refused,
    buttons: own.filter((control) => inFooter(control) && control.visible !== false).map((control) => ({
      id: control.id, text: control.text || control.label, enabled: control.enabled,
      default: control.default, focus: control.focused,
    })),
    controls: own.filter((control) => !inFooter(control)).concat(snapshot.pageControls || []).map(pageControl),
  };
}

function pageControl(control) {
  const drawn = Object.assign({}, control, {
    focus: control.focused,
    readonly: control.readOnly,
    number: control.digitsOnly,
    checked: Boolean(control.check),
    editable: !control.dropDownList,
  });
  if (control.kind === "listview") {
    drawn.columns = (control.columns || []).map((column) => ({ text: column.heading, width: column.width }));
    drawn.rows = (control.rows || []).map((row) => row.cells);
    if (drawn.selected === undefined || drawn.selected < 0) drawn.selected = (control.rows || []).findIndex((row) => row.selected);
  }
  if (control.kind === "spin") Object.assign(drawn, { min: control.low, max: control.high, value: control.pos });
  return drawn;
}

function renderPluginDialog(snapshot) {
  const state = pageDialog(snapshot);
  const labelId = `dialog-${state.serial}`;
  const { backdrop, dialog } = modalFrame(state.title || "", labelId);
  dialog.dataset.serial = state.serial;
  dialog.dataset.name = state.name || "";
  dialog.classList.add("plugin-dialog");
  const body = el("div", { class: "dialog-body" });
  if (state.pages && state.pages.length > 1) {
    const tabs = el("div", { class: "tabs", role: "tablist", "aria-label": state.title || t("pages") });
    state.pages.forEach((page, index) => {
      tabs.append(el("button", {
        type: "button",
        role: "tab",
        "aria-selected": String(index === state.activePage),
        "data-focus-key": `tab-${index}`,
        tabindex: index === state.activePage ? "0" : "-1",
        disabled: state.wizard ? true : null,
        "aria-disabled": state.wizard ? "true" : null,
        text: plainLabel(page.title),
        onclick: () => dialogAction(state, "page", { index }),
      }));
    });
    tabs.addEventListener("keydown", (event) => {
      if (event.key !== "ArrowRight" && event.key !== "ArrowLeft") return;
      const next = state.activePage + (event.key === "ArrowRight" ? 1 : -1);
      if (next >= 0 && next < state.pages.length) dialogAction(state, "page", { index: next });
      event.preventDefault();
    });
    body.append(tabs);
  }
  const grid = el("div", { class: "form-grid", role: state.pages && state.pages.length > 1 ? "tabpanel" : null });
  renderControls(state, grid);
  body.append(grid);
  dialog.append(body);
  if (state.helpText) {
    dialog.append(el("section", { class: "help-panel", "aria-label": t("help") },
      el("h3", { text: state.helpTitle || t("help") }), el("p", { text: state.helpText })));
  }
  const footer = el("footer");
  if (state.refused) footer.append(el("span", { class: "refused", role: "status", text: state.refused }));
  for (const button of state.buttons || []) {
    footer.append(el("button", {
      type: "button",
      class: button.default ? "button primary" : "button",
      "data-button": button.id,
      "data-focus-key": `button-${button.id}`,
      "data-has-focus": button.focus ? "true" : null,
      disabled: button.enabled === false ? true : null,
      text: plainLabel(button.text),
      onclick: () => dialogAction(state, "click", { control: button.id }),
    }));
  }
  dialog.append(footer);
  dialog.addEventListener("keydown", (event) => {
    if (event.key === "Escape") {
      event.preventDefault();
      dialogAction(state, "cancel");
    } else if (event.key === "F1") {
      event.preventDefault();
      const focused = document.activeElement && document.activeElement.dataset ? Number(document.activeElement.dataset.control || 0) : 0;
      dialogAction(state, "help", { control: focused });
    }
    trapTab(event, dialog);
  });
  return backdrop;
}

const INPUT_KINDS = new Set(["edit", "combobox", "listbox", "spin", "listview"]);

function renderControls(state, grid) {
  let radioGroup = null;
  let radioGroups = 0;
  let pendingLabel = null;  // a static text that labels the input after it
  const flushLabel = () => {
    if (pendingLabel) grid.append(el("p", { class: "full", text: pendingLabel.text, "data-control": pendingLabel.id }));
    pendingLabel = null;
  };
  const controls = (state.controls || []).filter((control) => control.visible !== false).map(withPlainLabels);
  for (const control of controls) {
    const id = `c-${state.serial}-${control.id}`;
    const disabled = control.enabled === false;
    const common = {
      id,
      "data-control": control.id,
      "data-focus-key": `control-${control.id}`,
      "data-has-focus": control.focus ? "true" : null,
      disabled: disabled ? true : null,
    };
    if (control.kind === "static") {
      flushLabel();
      if (control.text || control.label) pendingLabel = { text: control.text || control.label, id: control.id };
      continue;
    }
    const labelText = INPUT_KINDS.has(control.kind) ? (control.label || (pendingLabel && pendingLabel.text) || t("field", control.id)) : null;
    if (INPUT_KINDS.has(control.kind)) pendingLabel = null;
    else flushLabel();
    if (control.kind !== "radio") radioGroup = null;
    switch (control.kind) {
      case "groupbox":
        grid.append(el("h3", { class: "full group-title", "data-control": control.id, text: control.text || control.label }));
        break;
      case "picture":
        break;
      case "edit": {
        const input = el("input", Object.assign({}, common, {
          type: control.password ? "password" : "text",
          maxlength: control.limit > 0 ? control.limit : null,
          readonly: control.readonly ? true : null,
          inputmode: control.number ? "numeric" : null,
        }));
        input.value = control.text || "";
        input.addEventListener("change", () => dialogAction(state, "set", { control: control.id, text: input.value }));
        grid.append(el("label", { for: id, text: labelText }), input);
        break;
      }
      case "spin": {
        const box = el("div", { class: "spin", role: "group", "aria-label": labelText });
        box.append(
          el("span", { class: "spin-value", text: String(control.value) }),
          el("button", Object.assign({}, common, { type: "button", class: "button", "aria-label": t("increase", labelText), text: "\u25B2", onclick: () => dialogAction(state, "spin", { control: control.id, index: 1 }) })),
          el("button", { type: "button", class: "button", disabled: disabled ? true : null, "aria-label": t("decrease", labelText), text: "\u25BC", onclick: () => dialogAction(state, "spin", { control: control.id, index: -1 }) }));
        grid.append(el("span", { text: labelText }), box);
        break;
      }
      case "checkbox": {
        const input = el("input", Object.assign({}, common, { type: "checkbox" }));
        input.checked = Boolean(control.checked);
        input.addEventListener("change", () => dialogAction(state, "check", { control: control.id, checked: input.checked }));
        grid.append(el("label", { class: `check full${disabled ? " control-disabled" : ""}` }, input, el("span", { text: control.text || control.label })));
        break;
      }
      case "radio": {
        if (!radioGroup || control.group) {
          radioGroups += 1;
          radioGroup = el("div", { class: "full radio-group", role: "radiogroup", "aria-label": control.text || control.label });
          grid.append(radioGroup);
        }
        const input = el("input", Object.assign({}, common, { type: "radio", name: `r-${state.serial}-${radioGroups}` }));
        input.checked = Boolean(control.checked);
        input.addEventListener("change", () => dialogAction(state, "check", { control: control.id, checked: true }));
        radioGroup.append(el("label", { class: `check${disabled ? " control-disabled" : ""}` }, input, el("span", { text: control.text || control.label })));
        break;
      }
      case "combobox":
      case "listbox": {
        const list = control.kind === "listbox";
        if (control.editable) {
          const input = el("input", Object.assign({}, common, { type: "text", list: `${id}-list`, maxlength: control.limit > 0 ? control.limit : null }));
          input.value = control.text || "";
          const options = el("datalist", { id: `${id}-list` });
          (control.items || []).forEach((item) => options.append(el("option", { value: item })));
          input.addEventListener("change", () => {
            const index = (control.items || []).indexOf(input.value);
            if (index >= 0) dialogAction(state, "select", { control: control.id, index });
            else dialogAction(state, "set", { control: control.id, text: input.value });
          });
          grid.append(el("label", { for: id, text: labelText }), el("div", {}, input, options));
          break;
        }
        const select = el("select", Object.assign({}, common, { size: list ? Math.min(8, Math.max(3, (control.items || []).length)) : null }));
        if (!list && (control.selected === undefined || control.selected < 0)) select.append(el("option", { value: "-1", text: "" }));
        (control.items || []).forEach((item, index) => select.append(el("option", { value: index, text: item })));
        select.value = String(control.selected === undefined ? -1 : control.selected);
        select.addEventListener("change", () => dialogAction(state, "select", { control: control.id, index: Number(select.value) }));
        grid.append(el("label", { for: id, text: labelText }), select);
        break;
      }
      case "listview": {
        const rows = (control.rows || []).map((cells, index) => ({ id: String(index), cells }));
        const view = new ListView(control.columns || [], rows, {
          label: labelText,
          onOpen: (chosen) => dialogAction(state, "open", { control: control.id, index: Number(chosen[0].id) }),
        });
        if (control.selected !== undefined && control.selected >= 0) {
          view.selected.add(control.selected);
          view.cursor = control.selected;
          view.render();
        }
        const select = view.select.bind(view);
        view.select = (rowIndex, how) => {
          select(rowIndex, how);
          dialogAction(state, "select", { control: control.id, index: rowIndex });
        };
        view.wrap.dataset.control = control.id;
        view.wrap.dataset.focusKey = `control-${control.id}`;
        if (control.focus) view.wrap.dataset.hasFocus = "true";
        grid.append(el("div", { class: "full" }, el("span", { class: "list-label", text: labelText }), view.wrap));
        break;
      }
      case "button":
        grid.append(el("div", { class: "full" }, el("button", Object.assign({}, common, {
          type: "button",
          class: control.default ? "button primary" : "button",
          text: control.text || control.label,
          onclick: () => dialogAction(state, "click", { control: control.id }),
        }))));
        break;
      default:
        grid.append(el("p", { class: "full", text: control.text || control.label || "" }));
    }
  }
  flushLabel();
}

// ---------------------------------------------------------------------------------------------
// Start

document.getElementById("tree").addEventListener("keydown", treeKeydown);
document.getElementById("add-system").addEventListener("click", addSystem);
document.getElementById("refresh").addEventListener("click", async () => {
  await loadState();
  await showRoute();
});
window.addEventListener("hashchange", showRoute);
document.addEventListener("keydown", (event) => {
  if (event.key === "Escape" && openMenus.length) closeMenus();
});

async function loadTexts() {
  try {
    texts = (await api("/api/texts")).texts || {};
  } catch (error) {
    texts = {};
  }
  // The page's own furniture, named in the page's language.
  document.title = t("appTitle");
  document.getElementById("app-title").textContent = t("appTitle");
  document.querySelector(".toolbar").setAttribute("aria-label", t("consoleActions"));
  document.getElementById("add-system").textContent = t("addSystemMenu");
  document.getElementById("refresh").textContent = t("refresh");
  document.querySelector(".tree-pane").setAttribute("aria-label", t("systemsAndFolders"));
  document.getElementById("tree").setAttribute("aria-label", t("systemsAndFolders"));
  document.getElementById("view-title").textContent = t("systems");
  document.getElementById("task-pad").setAttribute("aria-label", t("tasks"));
  document.querySelector("#task-pad h2").textContent = t("tasks");
  document.getElementById("busy").textContent = t("working");
}

(async () => {
  await loadTexts();
  await loadState();
  if (app.route.system) expanded.add(app.route.system);
  await showRoute();
})();
