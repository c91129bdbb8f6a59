// The web console in headless Chromium: who may use it, and what the administrator sees.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { startConsole, startBrowser, startForeignSite } from "./support.mjs";

let browser;

before(async () => {
  browser = await startBrowser({ hostRules: "MAP rebound.test 127.0.0.1, MAP attacker.test 127.0.0.1" });
});

after(async () => {
  if (browser) await browser.close();
});

test("security: no token, a foreign Host and a cross-origin POST are each refused", async () => {
  const console = await startConsole();
  const page = await browser.context.newPage();
  try {
    // Without the token the console shows nothing but how to get in.
    const bare = await page.goto(`${console.origin}/`);
    assert.equal(bare.status(), 401);
    assert.match(await page.textContent("body"), /address it printed/);
    const api = await page.goto(`${console.origin}/api/state`);
    assert.equal(api.status(), 401);

    // A name that resolves to this machine is still a foreign Host, even with the right token.
    const token = new URL(console.url).searchParams.get("token");
    const rebound = await page.goto(`http://rebound.test:${console.port}/?token=${token}`);
    assert.equal(rebound.status(), 403);

    // Signed in, a page of another site posts to the console: refused, and nothing changes.
    const signedIn = await page.goto(console.url);
    assert.equal(signedIn.status(), 200);
    assert.equal(new URL(page.url()).search, "", "the token leaves the address bar");
    // The classic cross-site request: a form on another site posting to the console.
    const site = await startForeignSite(`<!doctype html>
      <form method="post" enctype="text/plain" action="${console.origin}/api/systems/add">
      <input type="hidden" name='{"name":"EVIL","release":"050400","x":"' value='"}'></form>
      <script>document.forms[0].submit();</script>`);
    try {
      const attack = await browser.context.newPage();
      const refused = attack.waitForResponse((r) => r.url().endsWith("/api/systems/add"));
      await attack.goto(`http://attacker.test:${site.port}/`);
      assert.equal((await refused).status(), 403);
      await attack.close();
    } finally {
      await site.close();
    }
    const state = await page.evaluate(async () => (await fetch("/api/state")).json());
    assert.deepEqual(state.systems.map((s) => s.name), ["DEMO"]);

    // The page's own POST with the session works; a GET of a change is refused.
    const sameOrigin = await page.evaluate(async () => {
      const answer = await fetch("/api/systems/add", {
        method: "POST", headers: { "Content-Type": "application/json" },
        body: JSON.stringify({ name: "OTHER", release: "050300" }) });
      return answer.status;
    });
    assert.equal(sameOrigin, 200);
    const get = await page.evaluate(async () => (await fetch("/api/systems/add")).status);
    assert.equal(get, 405);
  } finally {
    await page.close();
    await console.stop();
  }
});

test("the demo system opens in the tree and its folder survives a reload", async () => {
  const console = await startConsole();
  const page = await browser.context.newPage();
  const problems = [];
  page.on("pageerror", (error) => problems.push(error.message));
  page.on("response", (response) => response.status() >= 400 && problems.push(`${response.status()} ${response.url()}`));
  try {
    await page.goto(console.url);
    const demo = page.getByRole("treeitem", { name: "DEMO" });
    await demo.waitFor();
    await demo.locator(".tree-row").first().click();
    await page.getByRole("treeitem", { name: "Network" }).waitFor();
    assert.equal(await page.textContent("#view-title"), "DEMO");
    assert.match(page.url(), /#\/s\/DEMO$/);

    // Keyboard: down to Basic Operations, open it, and on to its Jobs view.
    await page.getByRole("treeitem", { name: "DEMO" }).focus();
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("ArrowRight");
    const focused = await page.evaluate(() => document.activeElement.getAttribute("aria-label"));
    assert.equal(focused, "Basic Operations");

    await page.goto(`${console.origin}/#/s/DEMO/f/NPP`);
    await page.reload();
    await page.waitForFunction(() => document.querySelector("#view-title").textContent.startsWith("Remote Access Services"));
    const selected = await page.getAttribute('[role="treeitem"][aria-selected="true"]', "aria-label");
    assert.equal(selected, "Remote Access Services");
    assert.deepEqual(problems, []);
  } finally {
    await page.close();
    await console.stop();
  }
});
