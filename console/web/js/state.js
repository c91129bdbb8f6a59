// The console's state as the page last read it, and the poll that keeps it fresh. Parts of the
// page follow it through onState; none of them asks the console on its own for it.
import { api } from "./api.js";
import { parseRoute } from "./route.js";

export const app = {
  state: null,
  route: parseRoute(),
  list: null,          // the list view on screen, when the view is a list
};

const listeners = [];
let pollTimer = 0;

// `listener(state, previous)` runs for every state the console answers.
export function onState(listener) {
  listeners.push(listener);
}

export function applyState(state) {
  if (!state) return;
  const previous = app.state;
  app.state = state;
  for (const listener of listeners) listener(state, previous);
  schedulePoll();
}

function openDialogs() {
  return (app.state && app.state.dialogs) || [];
}

async function poll() {
  try {
    applyState(await api("/api/state", undefined, { quiet: true }));
  } catch (_) {
    schedulePoll();
  }
}

// While a dialog is open (its timers may change it) or the console works, the page asks often;
// otherwise now and then, as jobs move on.
function schedulePoll() {
  clearTimeout(pollTimer);
  const state = app.state || {};
  const hurried = openDialogs().length > 0 || Boolean(state.busy || state.elsewhere);
  pollTimer = setTimeout(poll, hurried ? 700 : 3000);
}
