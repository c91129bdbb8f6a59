// A dialog open in another window of this console: this window is told which one and since
// when, and may take it over as it is.
import { api } from "./api.js";
import { orShowError } from "./console_dialogs.js";
import { byId, el } from "./dom.js";
import { applyState } from "./state.js";
import { t } from "./texts.js";

async function takeOver() {
  await orShowError(async () => applyState(await api("/api/dialog/takeover", {})));
}

let shown = "";

// `elsewhere` is { text, since } from the console's state, or null.
export function renderElsewhere(elsewhere) {
  const text = elsewhere ? elsewhere.text : "";
  if (text === shown) return;
  shown = text;
  const bar = byId("elsewhere");
  bar.hidden = !text;
  bar.replaceChildren();
  if (!text) return;
  bar.append(el("span", { class: "elsewhere-text", text }),
    el("button", { type: "button", class: "button primary", text: t("takeOver"), onclick: takeOver }));
}
