// The console's own views of a system: server jobs, a job, its spooled file, the active
// connections, the command log and a packet rules file.
import { api, query } from "./api.js";
import { byId, el } from "./dom.js";
import { ListView } from "./list_view.js";
import { navigate } from "./route.js";
import { app } from "./state.js";
import { t } from "./texts.js";

export function viewTitle(text) {
  byId("view-title").textContent = text;
  document.title = text ? t("documentTitle", text) : t("appTitle");
}

export function showNotice(text, isError = false) {
  byId("view").replaceChildren(el("p", { class: isError ? "notice error" : "notice", text }));
}

export function showTable(data, options) {
  app.list = new ListView(data.columns, data.rows, options);
  byId("view").replaceChildren(app.list.element);
}

async function showJobs({ system, arg }) {
  viewTitle(arg ? t("serverJobsTitle", arg, system) : t("jobsTitle", system));
  showTable(await api(`/api/jobs?${query({ system, prefix: arg })}`), {
    label: t("jobs"),
    empty: "noJobs",
    onOpen: (rows) => navigate({ system, view: "job", arg: rows[0].id }),
  });
}

async function showJob({ system, arg }) {
  viewTitle(t("jobTitle", arg, system));
  const data = await api(`/api/job?${query({ system, job: arg })}`);
  const spool = (file) => navigate({ system, view: "spool", arg: file });
  showTable(data, { label: t("job"), onOpen: (rows) => rows[0].spool && spool(rows[0].spool) });
  if (!data.spool) return;
  byId("view").prepend(el("div", { class: "view-toolbar" },
    el("button", { type: "button", class: "button", onclick: () => spool(data.spool) }, t("showSpool"))));
}

async function showSpool({ system, arg }) {
  viewTitle(t("spoolTitle", arg, system));
  const data = await api(`/api/spool?${query({ system, file: arg })}`);
  byId("view").replaceChildren(el("pre", { class: "spool", tabindex: "0", "aria-label": t("spooledOutput"), text: data.text }));
}

async function showConnections({ system }) {
  viewTitle(t("connectionsTitle", system));
  showTable(await api(`/api/connections?${query({ system })}`), { label: t("activeConnections"), empty: "noConnections" });
}

async function showLog({ system }) {
  viewTitle(t("logTitle", system));
  showTable(await api(`/api/log?${query({ system })}`), { label: t("commandLog"), empty: "logEmpty" });
}

// The packet rules editor's view of a rules file: its statements, one row each.
async function showRules({ system, arg }) {
  viewTitle(t("rulesTitle", arg, system));
  const data = await api(`/api/rules?${query({ system, file: arg })}`);
  showTable(data, { label: t("packetRules"), empty: "noStatements" });
  if (data.message) byId("view").prepend(el("p", { class: "notice", text: data.message }));
}

const VIEWS = { jobs: showJobs, job: showJob, spool: showSpool, connections: showConnections, log: showLog, rules: showRules };

export async function showConsoleView(route) {
  const view = Object.hasOwn(VIEWS, route.view) ? VIEWS[route.view] : null;
  if (!view) {
    showNotice(t("noSuchView"), true);
    return;
  }
  try {
    await view(route);
  } catch (error) {
    showNotice(error.message, true);
  }
}
