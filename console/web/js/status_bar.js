// The status bar: the plug-in's status text and the busy mark while the console works.
import { byId } from "./dom.js";

let requests = 0;
let serverBusy = false;

function paintBusy() {
  const waiting = requests > 0 || serverBusy;
  byId("busy").hidden = !waiting;
  document.body.classList.toggle("waiting", waiting);
}

// One call per request sent (true) and answered (false).
export function setBusy(on) {
  requests += on ? 1 : -1;
  paintBusy();
}

// The console itself is busy: a command still runs on its UI thread.
export function setServerBusy(busy) {
  serverBusy = Boolean(busy);
  paintBusy();
}

export function setStatus(text) {
  byId("status-text").textContent = text || "";
}
