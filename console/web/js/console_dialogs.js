// The console's own small dialogs: errors, confirmations and forms.
import { el, trapTab } from "./dom.js";
import { setStatus } from "./status_bar.js";
import { t } from "./texts.js";

export const ICONS = { warning: "\u26A0", error: "\u26D4", information: "\u2139", question: "?" };

export function modalFrame(title, labelId) {
  const backdrop = el("div", { class: "modal-backdrop" });
  const dialog = el("div", { class: "dialog", role: "dialog", "aria-modal": "true", "aria-labelledby": labelId });
  dialog.append(el("header", { id: labelId, text: title }));
  backdrop.append(dialog);
  return { backdrop, dialog };
}

function footerButton(button, close) {
  return el("button", {
    type: "button",
    class: button.primary ? "button primary" : "button",
    text: button.text,
    onclick: () => close(button.value()),
  });
}

function closeOnKeys(dialog, buttons, close) {
  dialog.addEventListener("keydown", (event) => {
    if (event.key === "Escape") close(null);
    if (event.key === "Enter" && event.target.tagName === "INPUT") close(buttons.find((b) => b.primary).value());
    trapTab(event, dialog);
  });
}

// Shows a modal dialog with `body` and `buttons`; resolves with the value of the button pressed,
// or null for Escape.
function consoleDialog(title, body, buttons) {
  return new Promise((resolve) => {
    const returnFocus = document.activeElement;
    const { backdrop, dialog } = modalFrame(title, "console-dialog-title");
    dialog.classList.add("console-dialog");
    const close = (value) => {
      backdrop.remove();
      if (returnFocus && document.contains(returnFocus)) returnFocus.focus();
      resolve(value);
    };
    const footer = el("footer", {}, ...buttons.map((button) => footerButton(button, close)));
    dialog.append(el("div", { class: "dialog-body" }, body), footer);
    closeOnKeys(dialog, buttons, close);
    document.body.append(backdrop);
    const first = dialog.querySelector("input, button.primary, button");
    if (first) first.focus();
  });
}

export function showError(error) {
  const text = error && error.message ? error.message : String(error);
  setStatus(text);
  return consoleDialog("ptpconsole", el("div", { class: "message-box", role: "alert" },
    el("span", { class: "message-icon error", "aria-hidden": "true", text: ICONS.error }),
    el("span", { text })), [{ text: t("ok"), primary: true, value: () => true }]);
}

export function confirmDialog(title, text) {
  return consoleDialog(title, el("p", { text }), [
    { text: t("yes"), primary: true, value: () => true },
    { text: t("no"), value: () => false },
  ]);
}

// Resolves with the trimmed value of each field by name, or null when cancelled.
export function formDialog(title, fields) {
  const grid = el("div", { class: "form-grid" });
  const inputs = {};
  fields.forEach((field, index) => {
    const id = `console-field-${index}`;
    inputs[field.name] = el("input", { id, type: "text", maxlength: field.maxLength, value: field.value, name: field.name });
    grid.append(el("label", { for: id, text: field.label }), inputs[field.name]);
  });
  const values = () => Object.fromEntries(Object.entries(inputs).map(([name, input]) => [name, input.value.trim()]));
  return consoleDialog(title, grid, [
    { text: t("ok"), primary: true, value: values },
    { text: t("cancel"), value: () => null },
  ]);
}

// Runs `call`; a failure is shown to the user instead of thrown.
export async function orShowError(call) {
  try {
    return await call();
  } catch (error) {
    showError(error);
    return undefined;
  }
}
