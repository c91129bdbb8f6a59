// A message box of the plug-in: its text, icon and buttons; the answer goes back by name.
import { ICONS, modalFrame } from "./console_dialogs.js";
import { el, trapTab } from "./dom.js";
import { hasText, t } from "./texts.js";

// Button results and icon bits of the toolkit's message boxes.
const BUTTON_NAMES = { 1: "ok", 2: "cancel", 3: "abort", 4: "retry", 5: "ignore", 6: "yes", 7: "no" };
const ICON_NAMES = { 0x10: "error", 0x20: "question", 0x30: "warning", 0x40: "information" };

function boxOf(state) {
  const ids = state.buttons || [1];
  return {
    serial: state.serial,
    title: state.caption || t("appTitle"),
    text: state.text,
    icon: ICON_NAMES[(state.style || 0) & 0xf0] || "",
    buttons: ids.map((id) => BUTTON_NAMES[id] || "ok"),
    defaultButton: Math.max(0, ids.indexOf(state.default)),
  };
}

function boxBody(box) {
  const icon = box.icon
    ? el("span", { class: `message-icon ${box.icon}`, role: "img", "aria-label": t(box.icon), text: ICONS[box.icon] || "" })
    : null;
  return el("div", { class: "dialog-body" }, el("div", { class: "message-box" }, icon,
    el("span", { class: "message-text", text: box.text })));
}

function answerButton(box, name, index, answer) {
  return el("button", {
    type: "button",
    class: index === box.defaultButton ? "button primary" : "button",
    "data-answer": name,
    "data-focus-key": `answer-${name}`,
    text: hasText(name) ? t(name) : name,
    onclick: () => answer(name),
  });
}

// Escape answers Cancel, or the only button there is.
function escapeAnswer(box) {
  if (box.buttons.includes("cancel")) return "cancel";
  return box.buttons.length === 1 ? box.buttons[0] : null;
}

// `answer(name)` sends the user's answer.
export function renderMessageBox(state, answer) {
  const box = boxOf(state);
  const { backdrop, dialog } = modalFrame(box.title, `message-${box.serial}`);
  dialog.setAttribute("role", "alertdialog");
  dialog.dataset.serial = box.serial;
  dialog.classList.add("plugin-message");
  dialog.append(boxBody(box), el("footer", {}, ...box.buttons.map((name, index) => answerButton(box, name, index, answer))));
  dialog.addEventListener("keydown", (event) => {
    const escape = event.key === "Escape" ? escapeAnswer(box) : null;
    if (escape) answer(escape);
    trapTab(event, dialog);
  });
  return backdrop;
}
