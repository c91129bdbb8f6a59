// Starts a console on a fresh state folder and a browser with a fresh profile.
import { execFileSync, spawn } from "node:child_process";
import { before, after } from "node:test";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { Server } from "node:http";
import assert from "node:assert/strict";
import { chromium } from "playwright-core";

export async function startConsole({ demo = true, state } = {}) {
  const program = process.env.PTP_CONSOLE;
  if (!program) throw new Error("PTP_CONSOLE must name the ptpconsole program");
  const stateDir = state || mkdtempSync(path.join(tmpdir(), "ptpconsole-browser-"));
  const args = ["--state", stateDir, "--port", "0"];
  if (demo) args.push("--demo");
  const child = spawn(program, args, { stdio: ["ignore", "pipe", "pipe"] });
  let output = "";
  let errors = "";
  child.stderr.on("data", (chunk) => (errors += chunk));
  const url = await new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`no start URL; output: ${output} ${errors}`)), 60000);
    child.stdout.on("data", (chunk) => {
      output += chunk;
      const match = output.match(/http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]+/);
      if (match) {
        clearTimeout(timer);
        resolve(match[0]);
      }
    });
    child.on("exit", (code) => reject(new Error(`ptpconsole ended with ${code}: ${errors}`)));
  });
  const origin = new URL(url).origin;
  return {
    url,
    origin,
    port: Number(new URL(url).port),
    stateDir,
    stderr: () => errors,
    async stop({ keepState = false } = {}) {
      if (child.exitCode === null) {
        const ended = new Promise((resolve) => child.on("exit", resolve));
        child.kill("SIGTERM");
        await ended;
      }
      if (!keepState && !state) rmSync(stateDir, { recursive: true, force: true });
      return child.exitCode;
    },
  };
}

// ptpctl on the demo system of `console`, as an administrator runs it next to the console: the
// console keeps its systems in a folder of its state.
export function ptpctl(console, ...args) {
  const program = path.join(process.env.PTP_BIN_DIR, "ptpctl");
  return execFileSync(program, ["--state", path.join(console.stateDir, "systems"), "--system", "DEMO", ...args],
    { encoding: "utf8" });
}

// Debian's Chromium, headless, with a profile of its own. `hostRules` maps names to addresses,
// so a test can make a foreign name point at this machine the way DNS rebinding would.
export async function startBrowser({ hostRules } = {}) {
  const profile = mkdtempSync(path.join(tmpdir(), "ptpconsole-chromium-"));
  const args = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
  ];
  if (hostRules) args.push(`--host-resolver-rules=${hostRules}`);
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.PTP_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args,
    viewport: { width: 1280, height: 800 },
  });
  return {
    context,
    async page() {
      const existing = context.pages();
      return existing.length ? existing[0] : context.newPage();
    },
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A tiny web site on another origin, standing in for a page that attacks the console.
export async function startForeignSite(html) {
  const server = new Server((request, response) => {
    response.writeHead(200, { "Content-Type": "text/html; charset=utf-8" });
    response.end(html);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    port: server.address().port,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

// A fresh console on a fresh demo system and a page of `browser` that records what went wrong in
// it; the test `t` ends with both closed and the console's clean exit checked.
export async function consoleSession(browser, t) {
  const console = await startConsole();
  const page = await browser.context.newPage();
  const problems = [];
  page.on("pageerror", (error) => problems.push(error.message));
  t.after(async () => {
    await page.close();
    // A clean exit: no sanitizer report, no fault left behind by what the test did.
    assert.equal(await console.stop(), 0, console.stderr());
  });
  return { console, page, problems };
}

// One browser for the tests of a file: started before the first, closed after the last. Gives a
// function that opens a console session in it for a test.
export function consoleSessions(options) {
  const shared = {};
  before(async () => {
    shared.browser = await startBrowser(options);
  });
  after(async () => {
    if (shared.browser) await shared.browser.close();
  });
  const session = (t) => consoleSession(shared.browser, t);
  session.browser = () => shared.browser;
  return session;
}
