// The web console's first rows of a 10,000-row folder in headless Chromium: a benchmark, not a
// test. It starts the console on its demo system, scales that up with `ptpctl demo --scale 100`
// (10,021 profiles, most of them originators), and measures
// in the same page and the same run:
//   folder shown: from opening the originator profiles folder's address to its first row on screen
//   folder data:  the same folder's rows fetched from the console with no page work
// and prints both, the rows shown, and their ratio. Best of several runs; nothing is asserted.
//
//   node bench/web_console/first_rows.mjs [BUILD_BIN_DIR]   (default build/release/bin)
import { execFileSync, spawn } from "node:child_process";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { createRequire } from "node:module";

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, "../..");
const bin = path.resolve(process.argv[2] || path.join(root, "build/release/bin"));
const require = createRequire(path.join(root, "tests/browser/package.json"));
const { chromium } = require("playwright-core");
const RUNS = 5;
const SYSTEM = "DEMO";
const FOLDER = "NPF";
const TITLE = "Originator Connection Profiles";

function ptpctl(state, ...args) {
  execFileSync(path.join(bin, "ptpctl"), ["--state", state, ...args], { stdio: "ignore" });
}

async function startConsole(state) {
  const child = spawn(path.join(bin, "ptpconsole"), ["--state", state, "--port", "0", "--demo"], {
    stdio: ["ignore", "pipe", "pipe"],
  });
  let output = "";
  const url = await new Promise((resolve, reject) => {
    child.stdout.on("data", (chunk) => {
      output += chunk;
      const match = output.match(/http:\/\/127\.0\.0\.1:\d+\/\?token=[0-9a-f]+/);
      if (match) resolve(match[0]);
    });
    child.on("exit", (code) => reject(new Error(`ptpconsole ended with ${code}`)));
  });
  return { url, origin: new URL(url).origin, child };
}

const state = mkdtempSync(path.join(tmpdir(), "ptp-web-bench-"));
const profile = mkdtempSync(path.join(tmpdir(), "ptp-web-bench-chromium-"));
let server;
let context;
try {
  // The console makes and shows its demo system (its systems live in "systems" of its state
  // folder); ptpctl then scales it up beside the console.
  server = await startConsole(state);
  const seeding = Date.now();
  ptpctl(path.join(state, "systems"), "--system", SYSTEM, "demo", "--scale", "100");
  process.stdout.write(`demo --scale 100 took ${Date.now() - seeding} ms\n`);
  context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.PTP_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run"],
    viewport: { width: 1280, height: 800 },
  });
  const page = context.pages()[0] || (await context.newPage());
  await page.goto(server.url);
  let shown = Infinity;
  let fetched = Infinity;
  let rows = 0;
  for (let run = 0; run < RUNS; run++) {
    // The folder's address opened in a fresh page load, as a bookmark would: from the start of
    // the navigation to the folder's first row on screen.
    await page.goto(`${server.origin}/#/s/${SYSTEM}/f/${FOLDER}`);
    await page.waitForFunction(
      (title) => document.querySelector("#view-title")?.textContent.startsWith(title) &&
        document.querySelector("#view table.list tbody tr"),
      TITLE, { polling: "raf", timeout: 120000 });
    shown = Math.min(shown, await page.evaluate(() => performance.now()));
    rows = await page.locator("#view table.list tbody tr").count();
    const data = await page.evaluate(async ([system, folder]) => {
      const began = performance.now();
      const answer = await fetch(`/api/folder?system=${system}&folder=${folder}`);
      const body = await answer.json();
      return { ms: performance.now() - began, rows: body.rows.length };
    }, [SYSTEM, FOLDER]);
    fetched = Math.min(fetched, data.ms);
  }
  process.stdout.write(`folder shown (first row on screen): ${shown.toFixed(0)} ms, ${rows} rows\n`);
  process.stdout.write(`folder data fetched alone: ${fetched.toFixed(0)} ms\n`);
  process.stdout.write(`shown / fetched: ${(shown / fetched).toFixed(2)}\n`);
} finally {
  if (context) await context.close();
  if (server) server.child.kill("SIGTERM");
  rmSync(profile, { recursive: true, force: true });
  rmSync(state, { recursive: true, force: true });
}
