// Two browser windows on one console: a dialog belongs to the window that opened it; the other
// window is told which dialog is open and since when, and may take it over as it is.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { startConsole, startBrowser } from "./support.mjs";
import { openConsole, pluginDialog, row, typeInto } from "./console_page.mjs";

let browser;

before(async () => {
  browser = await startBrowser();
});

after(async () => {
  if (browser) await browser.close();
});

function elsewhere(page) {
  return page.locator("#elsewhere");
}

test("a dialog stays in its window until the other window takes it over, with what was typed", async (t) => {
  const console = await startConsole();
  const first = await browser.context.newPage();
  const second = await browser.context.newPage();
  const problems = [];
  for (const page of [first, second]) page.on("pageerror", (error) => problems.push(error.message));
  t.after(async () => {
    await first.close();
    await second.close();
    assert.equal(await console.stop(), 0, console.stderr());
  });
  await openConsole(first, console, "#/s/DEMO/f/NMD");
  await second.goto(`${console.origin}/#/s/DEMO/f/NMD`);
  await row(first, "ISDN TA").waitFor();
  await row(second, "ISDN TA").waitFor();

  await first.locator('#tasks button[data-task="28080"]').click();
  await pluginDialog(first).waitFor();
  await typeInto(first, "Modem name:", "SHARED MODEM");

  // The second window shows no dialog; it says which one is open elsewhere, and since when.
  await elsewhere(second).waitFor({ state: "visible" });
  const told = await elsewhere(second).locator(".elsewhere-text").textContent();
  assert.match(told, /^"New Modem" is open in another window of this console since \d\d:\d\d\./);
  assert.equal(await pluginDialog(second).count(), 0);
  assert.equal(await elsewhere(first).isVisible(), false);

  // Taken over: the sheet moves with its text, and the first window is the one told now.
  await elsewhere(second).getByRole("button", { name: "Take over" }).click();
  const sheet = pluginDialog(second);
  await sheet.waitFor();
  assert.equal(await sheet.getByLabel("Modem name:", { exact: true }).inputValue(), "SHARED MODEM");
  await elsewhere(second).waitFor({ state: "hidden" });
  await pluginDialog(first).waitFor({ state: "detached" });
  await elsewhere(first).waitFor({ state: "visible" });

  await sheet.getByRole("button", { name: "OK", exact: true }).click();
  await sheet.waitFor({ state: "detached" });
  await elsewhere(first).waitFor({ state: "hidden" });
  await second.getByRole("button", { name: "Refresh" }).click();
  await row(second, "SHARED MODEM").waitFor();
  assert.deepEqual(problems, []);
});
