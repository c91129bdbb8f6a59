// The content pane: the systems, a system's folders, a plug-in folder's list, or one of the
// console's own views, as the address says.
import { api, query } from "./api.js";
import { showConsoleView, showNotice, showTable, viewTitle } from "./console_views.js";
import { el, byId } from "./dom.js";
import { ListView } from "./list_view.js";
import { menusOpen, showMenu } from "./menus.js";
import { folderMenu, itemMenu, openDefault } from "./plugin_menus.js";
import { navigate, parseRoute } from "./route.js";
import { app } from "./state.js";
import { addSystem, removeSystem } from "./systems.js";
import { loadTasks } from "./tasks.js";
import { folderName, t } from "./texts.js";
import { openNode, renderTree, revealRoute, systemNodes } from "./tree.js";

function systemsMenu(chosen, x, y) {
  if (chosen.length === 0) {
    showMenu([{ text: t("addSystemMenu"), action: addSystem }], x, y);
    return;
  }
  showMenu([
    { text: t("open"), default: true, action: () => navigate({ system: chosen[0].id }) },
    { separator: true },
    { text: t("removeSystem"), action: () => removeSystem(chosen[0].id) },
  ], x, y);
}

function showSystems() {
  viewTitle(t("systems"));
  const systems = (app.state && app.state.systems) || [];
  const columns = [{ text: t("system"), width: 160 }, { text: t("release"), width: 120 }];
  const rows = systems.map((system) => ({ id: system.name, cells: [system.name, system.release] }));
  showTable({ columns, rows }, {
    label: t("systems"),
    onOpen: (chosen) => navigate({ system: chosen[0].id }),
    onMenu: systemsMenu,
  });
}

// The folders and views of a system, as one list.
function showSystemHome(name) {
  viewTitle(name);
  const flat = [];
  const walk = (nodes) => nodes.forEach((node) => {
    if (node.route) flat.push(node);
    walk(node.children);
  });
  walk(systemNodes(name));
  const rows = flat.map((node, index) => ({ id: String(index), cells: [node.label] }));
  showTable({ columns: [{ text: t("name"), width: 320 }], rows }, {
    label: t("foldersOf", name),
    onOpen: (chosen) => openNode(flat[Number(chosen[0].id)]),
  });
}

// The remote access services folder lists its three folders.
function showServicesFolder(system) {
  const rows = ["NPF", "NRC", "NMD"].map((code) => ({ id: code, cells: [folderName(code)] }));
  showTable({ columns: [{ text: t("name"), width: 320 }], rows }, {
    label: folderName("NPP"),
    onOpen: (chosen) => navigate({ system, folder: chosen[0].id }),
    onMenu: (chosen, x, y) => folderMenu(system, chosen.length ? chosen[0].id : "NPP", x, y),
  });
}

function putList(list, previous, message) {
  const hadFocus = previous && previous.wrap.contains(document.activeElement);
  if (previous) list.keepSelectionOf(previous);
  app.list = list;
  const view = byId("view");
  view.replaceChildren(list.element);
  // On the page now, the list takes the scroll position kept from the one before at once.
  list.update();
  if (hadFocus) list.wrap.focus();
  if (message) view.prepend(el("p", { class: "notice", text: message }));
}

async function showPluginFolder(system, folder, previous) {
  let data;
  try {
    data = await api(`/api/folder?${query({ system, folder })}`);
  } catch (error) {
    showNotice(error.message, true);
    return;
  }
  if (app.route.folder !== folder || app.route.system !== system) return;
  if (app.state) app.refreshSeen = app.state.refresh;
  putList(new ListView(data.columns, data.rows, {
    label: folderName(folder),
    key: `${system}/${folder}`,
    onOpen: (chosen) => openDefault(system, folder, chosen),
    onMenu: (chosen, x, y) => (chosen.length ? itemMenu(system, folder, chosen, x, y) : folderMenu(system, folder, x, y)),
  }), previous, data.message);
}

async function showFolder(system, folder, previous) {
  viewTitle(t("folderTitle", folderName(folder), system));
  loadTasks({ system, folder });
  // Another folder's list must not stand under this folder's title while the rows load.
  if (!previous || previous.options.key !== `${system}/${folder}`) byId("view").replaceChildren();
  if (folder === "NPP") showServicesFolder(system);
  else await showPluginFolder(system, folder, previous);
}

// Shows what the address names. A list shown again for the same folder keeps its selection.
export async function showRoute() {
  app.route = parseRoute();
  const previous = app.list;
  app.list = null;
  revealRoute(app.route);
  renderTree();
  const route = app.route;
  if (route.folder) {
    await showFolder(route.system, route.folder, previous);
    return;
  }
  loadTasks(null);
  if (!route.system) showSystems();
  else if (route.view) await showConsoleView(route);
  else showSystemHome(route.system);
}

// Console views whose rows the server changes on its own.
const LIVE_VIEWS = new Set(["jobs", "connections", "job"]);
const LIVE_FOLDERS = new Set(["NPF", "NRC"]);

// A console view the plug-in asked for (a job list, a spooled file) opens once; a reloaded page
// does not open it again.
function followNavigation(state) {
  const navigation = state.navigate || { serial: 0 };
  if (app.navigationSeen === undefined) app.navigationSeen = navigation.serial;
  if (navigation.serial === app.navigationSeen) return;
  app.navigationSeen = navigation.serial;
  navigate({ system: navigation.system, view: navigation.view, arg: navigation.arg });
}

// The plug-in asked the console window to refresh: the open list is read again.
function followRefresh(state) {
  if (app.refreshSeen === undefined || app.refreshSeen === null) return;
  if (state.refresh === undefined || state.refresh === app.refreshSeen) return;
  app.refreshSeen = state.refresh;
  app.changesSeen = state.changes;
  if (app.route.folder || app.route.view) showRoute();
}

// Profiles walking through their phases change the server under the open view; it is read
// again while the user is not in the middle of something.
function followChanges(state) {
  if (app.changesSeen === undefined) app.changesSeen = state.changes;
  if (state.changes === app.changesSeen || (state.dialogs || []).length || menusOpen()) return;
  app.changesSeen = state.changes;
  if (LIVE_VIEWS.has(app.route.view) || LIVE_FOLDERS.has(app.route.folder)) showRoute();
}

export function followState(state) {
  followNavigation(state);
  followRefresh(state);
  followChanges(state);
}
