// The plug-in's dialogs, drawn from the stack of open dialogs the console sends, each with its
// controls; what the user does goes back as actions, and the console answers with the stack.
import { api } from "./api.js";
import { modalFrame, orShowError } from "./console_dialogs.js";
import { renderControls } from "./dialog_controls.js";
import { byId, el, plainLabel, trapTab } from "./dom.js";
import { renderMessageBox } from "./message_box.js";
import { applyState } from "./state.js";
import { t } from "./texts.js";

async function dialogAction(serial, action, extra = {}) {
  await orShowError(async () => applyState(await api("/api/dialog", Object.assign({ dialog: serial, action }, extra))));
}

// A sheet keeps all its buttons in the button row and shows the active page's controls; a dialog
// keeps OK, Cancel and Help there.
const FOOTER_BUTTONS = new Set([1, 2, 9]);

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
    drawn.editingRow = control.editingRow === undefined ? -1 : control.editingRow;
  }
  if (control.kind === "spin") Object.assign(drawn, { min: control.low, max: control.high, value: control.pos });
  return drawn;
}

function footerButton(control) {
  return {
    id: control.id, text: control.text || control.label, enabled: control.enabled,
    default: control.default, focus: control.focused,
  };
}

// The toolkit's picture of a dialog, as the page draws it.
function pageDialog(snapshot) {
  const own = snapshot.controls || [];
  const inFooter = (control) => control.kind === "button" && (snapshot.isSheet || FOOTER_BUTTONS.has(control.id));
  return {
    serial: snapshot.serial,
    name: snapshot.className,
    title: snapshot.caption || "",
    wizard: snapshot.isWizard,
    activePage: snapshot.activePage,
    pages: (snapshot.pages || []).map((page) => ({ title: page.caption })),
    helpTitle: snapshot.helpTitle,
    helpText: snapshot.helpText,
    refused: snapshot.refused,
    buttons: own.filter((control) => inFooter(control) && control.visible !== false).map(footerButton),
    controls: own.filter((control) => !inFooter(control)).concat(snapshot.pageControls || []).map(pageControl),
  };
}

function tab(state, page, index) {
  const wizard = state.wizard ? true : null;
  return el("button", {
    type: "button",
    role: "tab",
    "aria-selected": String(index === state.activePage),
    "data-focus-key": `tab-${index}`,
    tabindex: index === state.activePage ? "0" : "-1",
    disabled: wizard,
    "aria-disabled": wizard ? "true" : null,
    text: plainLabel(page.title),
    onclick: () => dialogAction(state.serial, "page", { index }),
  });
}

// The pages of a sheet as tabs; the arrow keys move between them. A wizard's tabs only show
// where the user is.
function tabs(state) {
  const list = el("div", { class: "tabs", role: "tablist", "aria-label": state.title || t("pages") },
    ...state.pages.map((page, index) => tab(state, page, index)));
  list.addEventListener("keydown", (event) => {
    if (event.key !== "ArrowRight" && event.key !== "ArrowLeft") return;
    const next = state.activePage + (event.key === "ArrowRight" ? 1 : -1);
    if (next >= 0 && next < state.pages.length) dialogAction(state.serial, "page", { index: next });
    event.preventDefault();
  });
  return list;
}

function dialogBody(state) {
  const body = el("div", { class: "dialog-body" });
  const paged = state.pages.length > 1;
  if (paged) body.append(tabs(state));
  const grid = el("div", { class: "form-grid", role: paged ? "tabpanel" : null });
  renderControls(state.serial, state.controls, grid, (action, extra) => dialogAction(state.serial, action, extra));
  body.append(grid);
  return body;
}

function helpPanel(state) {
  if (!state.helpText) return null;
  return el("section", { class: "help-panel", "aria-label": t("help") },
    el("h3", { text: state.helpTitle || t("help") }), el("p", { text: state.helpText }));
}

function dialogFooter(state) {
  const footer = el("footer");
  if (state.refused) footer.append(el("span", { class: "refused", role: "status", text: state.refused }));
  for (const button of state.buttons) {
    footer.append(el("button", {
      type: "button",
      class: button.default ? "button primary" : "button",
      "data-button": button.id,
      "data-focus-key": `button-${button.id}`,
      "data-has-focus": button.focus ? "true" : null,
      disabled: button.enabled === false ? true : null,
      text: plainLabel(button.text),
      onclick: () => dialogAction(state.serial, "click", { control: button.id }),
    }));
  }
  return footer;
}

// Escape cancels; F1 asks for the help of the focused control.
function dialogKeydown(event, state, dialog) {
  if (event.key === "Escape") {
    event.preventDefault();
    dialogAction(state.serial, "cancel");
  } else if (event.key === "F1") {
    event.preventDefault();
    const focused = document.activeElement && document.activeElement.dataset ? Number(document.activeElement.dataset.control || 0) : 0;
    dialogAction(state.serial, "help", { control: focused });
  }
  trapTab(event, dialog);
}

function renderPluginDialog(snapshot) {
  const state = pageDialog(snapshot);
  const { backdrop, dialog } = modalFrame(state.title, `dialog-${state.serial}`);
  dialog.dataset.serial = state.serial;
  dialog.dataset.name = state.name || "";
  dialog.classList.add("plugin-dialog");
  dialog.append(dialogBody(state));
  const help = helpPanel(state);
  if (help) dialog.append(help);
  dialog.append(dialogFooter(state));
  dialog.addEventListener("keydown", (event) => dialogKeydown(event, state, dialog));
  return backdrop;
}

function renderEntry(entry) {
  if (entry.kind !== "message") return renderPluginDialog(entry);
  return renderMessageBox(entry, (name) => dialogAction(entry.serial, "answer", { text: name }));
}

// Where the user is: the focused control, and in a text field what is typed and selected.
function focusNow() {
  const active = document.activeElement;
  const focus = { key: active && active.dataset ? active.dataset.focusKey : null };
  if (!active || active.tagName !== "INPUT" || !["text", "password"].includes(active.type)) return focus;
  return Object.assign(focus, { drawn: active._drawn, value: active.value, start: active.selectionStart, end: active.selectionEnd });
}

// A redraw while the user types (a poll, the answer to another action) keeps the text not yet
// sent and the selection, so typing goes on where it was; a text the dialog itself changed wins.
function keepTyping(input, focus) {
  if (focus.value === undefined || input.tagName !== "INPUT" || input._drawn !== focus.drawn) return;
  input.value = focus.value;
  input.setSelectionRange(focus.start, focus.end);
}

// After a redraw the focus goes back where the user was, else where the dialog put it.
function restoreFocus(top, focus) {
  const again = focus.key ? top.querySelector(`[data-focus-key="${CSS.escape(focus.key)}"]`) : null;
  const wanted = top.querySelector("[data-has-focus]");
  const fallback = top.querySelector("button.primary:not(:disabled), input:not(:disabled), select:not(:disabled), button:not(:disabled)");
  (again || wanted || fallback || top).focus();
  if (again) keepTyping(again, focus);
}

let drawn = "";

export function renderDialogs(stack) {
  const signature = JSON.stringify(stack);
  if (signature === drawn) return;
  drawn = signature;
  const layer = byId("dialog-layer");
  const focus = focusNow();
  layer.replaceChildren(...stack.map(renderEntry));
  // Only the dialog on top takes input; the ones under it wait.
  [...layer.children].slice(0, -1).forEach((node) => node.setAttribute("inert", ""));
  if (layer.lastElementChild) restoreFocus(layer.lastElementChild, focus);
}
