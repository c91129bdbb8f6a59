// The plug-in's context menus and commands on a folder and on the rows of its list.
import { api } from "./api.js";
import { orShowError } from "./console_dialogs.js";
import { plainLabel } from "./dom.js";
import { showMenu } from "./menus.js";
import { navigate } from "./route.js";
import { applyState } from "./state.js";

async function invoke(system, folder, items, verb) {
  await orShowError(async () => applyState(await api("/api/invoke", { system, folder, items, verb })));
}

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

async function menuOf(system, folder, items, kind, x, y) {
  await orShowError(async () => {
    const answer = await api("/api/menu", { system, folder, items, kind });
    showMenu(pluginEntries(system, folder, items, answer.entries), x, y);
  });
}

// The object menu of the chosen rows.
export function itemMenu(system, folder, rows, x, y) {
  return menuOf(system, folder, rows.map((row) => row.id), "object", x, y);
}

// The new-object menu of a folder.
export function folderMenu(system, folder, x, y) {
  return menuOf(system, folder, [], "new", x, y);
}

// A row in a list that stands for a folder, such as the group access policies row of the
// receiver folder, names the folder's type code in its id.
function folderOfRow(rows) {
  const match = rows.length === 1 ? /\u0001(NGP)\u0002/.exec(rows[0].id) : null;
  return match ? match[1] : "";
}

function defaultEntry(entries) {
  const runnable = (entry) => !entry.separator && !entry.greyed && !entry.popup;
  return entries.find((entry) => entry.default && runnable(entry)) || entries.find(runnable);
}

// Double-click or Enter on rows: the menu's default entry runs; a folder row opens its folder.
export async function openDefault(system, folder, rows) {
  const childFolder = folderOfRow(rows);
  if (childFolder) {
    navigate({ system, folder: childFolder });
    return;
  }
  const items = rows.map((row) => row.id);
  await orShowError(async () => {
    const answer = await api("/api/menu", { system, folder, items, kind: "default" });
    const entry = defaultEntry(answer.entries || []);
    if (entry) await invoke(system, folder, items, entry.verb);
  });
}
