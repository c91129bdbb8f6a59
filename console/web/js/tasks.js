// The task pad: the plug-in's tasks of the folder on screen, or adding a system.
import { api, query } from "./api.js";
import { orShowError } from "./console_dialogs.js";
import { byId, el } from "./dom.js";
import { applyState } from "./state.js";
import { addSystem } from "./systems.js";
import { t } from "./texts.js";

let asked = 0;

function taskButton(title, help, attributes) {
  return el("li", {}, el("button", Object.assign({ type: "button" }, attributes), title,
    el("span", { class: "task-help", text: help })));
}

async function runTask(system, folder, task) {
  await orShowError(async () => applyState(await api("/api/task", { system, folder, task })));
}

function pluginTasks(where, tasks) {
  const items = tasks.map((task) => taskButton(task.title, task.description, {
    "data-task": task.id,
    onclick: () => runTask(where.system, where.folder, task.id),
  }));
  if (items.length === 0) items.push(el("li", { class: "notice", text: t("noTasks") }));
  return items;
}

// `where` is { system, folder }, or null outside the plug-in's folders.
export async function loadTasks(where) {
  const list = byId("tasks");
  // Only the latest request fills the pad; an earlier answer arriving late is dropped.
  const ticket = ++asked;
  if (!where) {
    list.replaceChildren(taskButton(t("addSystemTask"), t("addSystemHelp"), { onclick: addSystem }));
    return;
  }
  list.replaceChildren();
  try {
    const answer = await api(`/api/tasks?${query(where)}`);
    if (ticket === asked) list.replaceChildren(...pluginTasks(where, answer.tasks || []));
  } catch (error) {
    if (ticket === asked) list.replaceChildren(el("li", { class: "notice", text: error.message }));
  }
}
