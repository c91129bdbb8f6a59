// The console's HTTP API: JSON in, JSON out, the session cookie with every call.
import { setBusy } from "./status_bar.js";
import { t } from "./texts.js";

class ApiError extends Error {
  constructor(status, message) {
    super(message);
    this.status = status;
  }
}

// This page load's name towards the console: a dialog opened here belongs to this window.
const WINDOW_ID = [...crypto.getRandomValues(new Uint8Array(16))].map((byte) => byte.toString(16).padStart(2, "0")).join("");

function requestInit(body) {
  const init = { credentials: "same-origin", headers: { "X-Ptp-Window": WINDOW_ID } };
  if (body === undefined) return init;
  init.method = "POST";
  init.headers["Content-Type"] = "application/json";
  init.body = JSON.stringify(body);
  return init;
}

function parseJson(text) {
  try {
    return text ? JSON.parse(text) : null;
  } catch (_) {
    return null;
  }
}

async function answerOf(response) {
  const json = parseJson(await response.text());
  if (response.ok) return json;
  const message = json && json.message ? json.message : t("consoleAnswered", response.status);
  throw new ApiError(response.status, message);
}

// GET without a body, POST with one; an answer other than 2xx throws ApiError with its message.
// The status bar shows the console busy meanwhile, unless the page only looks (`quiet`).
export async function api(path, body, { quiet = false } = {}) {
  if (!quiet) setBusy(true);
  try {
    return await answerOf(await fetch(path, requestInit(body)));
  } finally {
    if (!quiet) setBusy(false);
  }
}

// A query string from an object, every value encoded.
export function query(params) {
  return Object.entries(params).map(([key, value]) => `${key}=${encodeURIComponent(value)}`).join("&");
}
