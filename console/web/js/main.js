// The console's browser side starts here: it names the page's furniture in the page's language,
// reads the console's state and shows what the address names.
import { api } from "./api.js";
import { byId } from "./dom.js";
import { renderElsewhere } from "./elsewhere.js";
import { installMenuDismissal } from "./menus.js";
import { renderDialogs } from "./plugin_dialogs.js";
import { applyState, onState } from "./state.js";
import { setServerBusy, setStatus } from "./status_bar.js";
import { setTexts, t } from "./texts.js";
import { installTree, renderTree } from "./tree.js";
import { followState, showRoute } from "./views.js";
import { addSystem } from "./systems.js";
import { showError } from "./console_dialogs.js";

async function loadTexts() {
  try {
    setTexts((await api("/api/texts")).texts);
  } catch (_) {
    setTexts({});
  }
}

function nameFurniture() {
  document.title = t("appTitle");
  byId("app-title").textContent = t("appTitle");
  document.querySelector(".toolbar").setAttribute("aria-label", t("consoleActions"));
  byId("add-system").textContent = t("addSystemMenu");
  byId("refresh").textContent = t("refresh");
  document.querySelector(".tree-pane").setAttribute("aria-label", t("systemsAndFolders"));
  byId("tree").setAttribute("aria-label", t("systemsAndFolders"));
  byId("view-title").textContent = t("systems");
  byId("task-pad").setAttribute("aria-label", t("tasks"));
  document.querySelector("#task-pad h2").textContent = t("tasks");
  byId("busy").textContent = t("working");
}

function showState(state, previous) {
  if (state.title) byId("app-title").textContent = state.title;
  if (state.status !== undefined && (!previous || previous.status !== state.status)) setStatus(state.status);
  setServerBusy(state.busy);
  renderTree();
  renderDialogs(state.dialogs || []);
  renderElsewhere(state.elsewhere);
  followState(state);
}

async function loadState() {
  try {
    applyState(await api("/api/state"));
  } catch (error) {
    showError(error);
  }
}

function installControls() {
  installTree();
  installMenuDismissal();
  byId("add-system").addEventListener("click", addSystem);
  byId("refresh").addEventListener("click", async () => {
    await loadState();
    await showRoute();
  });
}

onState(showState);
installControls();
await loadTexts();
nameFurniture();
await loadState();
// Only now: an address changed while the state loaded is shown once, by the showRoute below.
window.addEventListener("hashchange", showRoute);
await showRoute();
