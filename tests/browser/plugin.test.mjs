// The plug-in in the web console, driven in headless Chromium on the demo system: what the
// administrator sees and does, checked against what the server then holds.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { consoleSession, startBrowser } from "./support.mjs";
import {
  answer, cell, loggedCommands, menu, menuEntries, menuEntry, messageBox, openConsole, openFolderInTree,
  pluginDialog, rightClick, row, rowNames, statusText, typeInto, waitForCell,
} from "./console_page.mjs";

let browser;

before(async () => {
  browser = await startBrowser();
});

after(async () => {
  if (browser) await browser.close();
});

function session(t) {
  return consoleSession(browser, t);
}

test("originator profiles: the list, its menu, and a profile started from it walks to active", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await openFolderInTree(page, "NPF");
  const headings = await page.locator("#view table.list thead th").allTextContents();
  assert.deepEqual(headings.slice(0, 3), ["Name", "Protocol", "Status"]);
  const names = await rowNames(page);
  assert.ok(names.includes("Branchdod") && names.includes("Dialisp"), names.join(","));
  assert.equal(await cell(page, "Branchdod", "Status"), "Inactive");

  // The folder has an address of its own, and a sorted list stays sorted after a reload.
  assert.match(page.url(), /#\/s\/DEMO\/f\/NPF$/);
  await page.getByRole("button", { name: "Sort by Name" }).click();
  await page.getByRole("button", { name: "Sort by Name" }).click();
  const descending = await rowNames(page);
  assert.deepEqual(descending, [...names].sort().reverse());
  await page.reload();
  await row(page, "Branchdod").waitFor();
  assert.deepEqual(await rowNames(page), descending);
  assert.equal(await page.getAttribute("th[aria-sort=descending] button", "aria-label"), "Sort by Name");

  // One stopped and one running profile: start, the logging entries and stop are all greyed.
  await row(page, "Branchdod").locator("td").first().click();
  await row(page, "Dialisp").locator("td").first().click({ modifiers: ["Control"] });
  assert.equal(await page.locator('#view tbody tr[aria-selected="true"]').count(), 2);
  await row(page, "Dialisp").locator("td").first().click({ button: "right" });
  const mixed = await menuEntries(page);
  assert.deepEqual(mixed.filter((e) => e !== "-" && e.greyed).map((e) => e.text).slice(0, 3), ["Start", "Logging Level", "Stop"]);
  await page.keyboard.press("Escape");
  await menu(page).waitFor({ state: "detached" });

  // The stopped profile alone: the object menu as the plug-in builds it.
  await row(page, "Branchdod").locator("td").first().click();
  await rightClick(page, "Branchdod");
  const entries = await menuEntries(page);
  const byText = Object.fromEntries(entries.filter((e) => e !== "-").map((e) => [e.text, e]));
  assert.equal(byText.Start.greyed, false);
  assert.equal(byText.Stop.greyed, true);
  assert.equal(byText.Properties.default, true, "the default entry is marked");
  assert.equal(await menuEntry(page, "Properties").evaluate((item) => getComputedStyle(item).fontWeight), "700");
  assert.equal(byText["Logging Level"].popup, true);
  assert.equal(entries.filter((e) => e === "-").length, 3);

  // The logging popup: opened with the arrow key, "Errors only" checked, "All messages" chosen.
  await menuEntry(page, "Logging Level").focus();
  await page.keyboard.press("ArrowRight");
  const logging = await menuEntries(page, 1);
  assert.deepEqual(logging.map((e) => [e.text, e.checked]), [["All Messages", false], ["Errors Only", true], ["None", false]]);
  await menuEntry(page, "All Messages", 1).click();
  await menu(page).waitFor({ state: "detached" });

  // Shift+F10 opens the menu on the selected row from the keyboard; Enter runs Start.
  await page.locator("#view .list-wrap").focus();
  await page.keyboard.press("Shift+F10");
  const again = await menuEntries(page, 0);
  assert.equal(again[0].text, "Start");
  await menuEntry(page, "Logging Level").focus();
  await page.keyboard.press("ArrowRight");
  assert.deepEqual((await menuEntries(page, 1)).map((e) => e.checked), [true, false, false]);
  await page.keyboard.press("Escape");
  await menuEntry(page, "Start").focus();
  await page.keyboard.press("Enter");

  await statusText(page, "1 of 1 profiles started.");
  const seen = await waitForCell(page, "Branchdod", "Status", (text) => text === "Active");
  // The list may still show the status read before the command; it then moves on to Active.
  assert.ok(seen.length >= 2, `the status moved: ${seen.join(" -> ")}`);
  assert.ok((await loggedCommands(page)).includes("QSYS/STRTCPPTP CFGPRF('BRANCHDOD') OUTPUT(*PRINT)"));
  assert.deepEqual(problems, []);
});

test("deleting a profile asks both questions, and a No keeps it", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console, "#/s/DEMO/f/NPF");
  await row(page, "Oldmodem").waitFor();

  // No at the first question: nothing is sent to the server.
  await rightClick(page, "Pppoedsl");
  await menuEntry(page, "Delete").click();
  const refused = await messageBox(page);
  assert.equal(refused.text, "Delete Pppoedsl? This cannot be undone.");
  await answer(page, "no");

  await rightClick(page, "Oldmodem");
  await menuEntry(page, "Delete").click();
  const first = await messageBox(page);
  assert.equal(first.text, "Delete Oldmodem? This cannot be undone.");
  assert.equal(first.icon, "Warning");
  assert.deepEqual(first.buttons, ["yes", "no"]);
  await answer(page, "yes");
  const second = await messageBox(page);
  assert.match(second.text, /line description .* profile Oldmodem uses\?$/);
  assert.equal(second.primary, "no", "the second question defaults to No");
  await answer(page, "no");

  await statusText(page, "1 of 1 objects deleted.");
  await row(page, "Oldmodem").waitFor({ state: "detached" });
  const commands = await loggedCommands(page);
  assert.ok(commands.includes("QSYS/RMVTCPPTP CFGPRF('OLDMODEM') DLTCMNCFG(*NO)"), commands.join("\n"));
  assert.ok(!commands.some((command) => command.includes("PPPOEDSL")));
  await page.reload();
  await row(page, "Pppoedsl").waitFor();
  assert.ok(!(await rowNames(page)).includes("Oldmodem"));
  assert.deepEqual(problems, []);
});

test("a modem is created through its sheet, after a duplicate name is refused", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await openFolderInTree(page, "NMD");
  assert.ok((await rowNames(page)).includes("ACME 56K V.90"));

  // The new menu of the folder, from the tree.
  await page.getByRole("treeitem", { name: "Modems", exact: true }).locator(".tree-row").first().click({ button: "right" });
  const entries = await menuEntries(page);
  assert.deepEqual(entries.map((e) => e.text), ["New Modem..."]);
  await menuEntry(page, "New Modem...").click();

  const sheet = pluginDialog(page);
  await sheet.waitFor();
  assert.equal(await sheet.locator("header").textContent(), "New Modem");
  assert.deepEqual(await sheet.getByRole("tab").allTextContents(), ["General", "Modem Parameters"]);
  assert.equal(await sheet.getByLabel("Initialization string:").inputValue(), "AT");
  await typeInto(page, "Modem name:", "ACME 56K V.90");
  await sheet.getByRole("button", { name: "OK", exact: true }).click();
  const refused = await messageBox(page);
  assert.equal(refused.text, "A modem with this name already exists on the server. Type a different name.");
  await answer(page, "ok");
  // The sheet stays open on its General page with the name to correct.
  assert.equal(await sheet.getByRole("tab", { selected: true }).textContent(), "General");
  await page.waitForFunction(() => {
    const focused = document.activeElement;
    return focused && focused.labels && focused.labels.length > 0 && focused.labels[0].textContent === "Modem name:";
  });

  await typeInto(page, "Modem name:", "LAB MODEM 1");
  await typeInto(page, "Dial command:", "ATDP");
  await sheet.getByRole("button", { name: "OK", exact: true }).click();
  await sheet.waitFor({ state: "detached" });
  await row(page, "LAB MODEM 1").waitFor();
  assert.equal(await cell(page, "LAB MODEM 1", "Dial"), "ATDP");
  // What the list shows comes from the server: a fresh page lists it too.
  await page.reload();
  await row(page, "LAB MODEM 1").waitFor();
  assert.equal((await rowNames(page)).filter((name) => name === "ACME 56K V.90").length, 1);
  assert.deepEqual(problems, []);
});

test("the task pad of the modems folder creates a modem", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console, "#/s/DEMO/f/NMD");
  await row(page, "ISDN TA").waitFor();
  const tasks = page.locator("#tasks button");
  await tasks.first().waitFor();
  const titles = await tasks.evaluateAll((buttons) => buttons.map((b) => b.firstChild.textContent));
  assert.deepEqual(titles.slice(0, 3), ["New modem", "New dial-out profile", "New answer profile"]);

  await page.locator('#tasks button[data-task="28080"]').click();
  const sheet = pluginDialog(page);
  await sheet.waitFor();
  await typeInto(page, "Modem name:", "TASK MODEM");
  await sheet.getByRole("button", { name: "OK", exact: true }).click();
  await sheet.waitFor({ state: "detached" });
  // Tasks do not refresh the view; the console's Refresh reads the server again.
  await page.getByRole("button", { name: "Refresh" }).click();
  await row(page, "TASK MODEM").waitFor();
  assert.deepEqual(problems, []);
});

test("the connections view, and the plug-in's connection dialog leading to a job", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await page.getByRole("treeitem", { name: "DEMO" }).locator(".tree-row").first().click();
  await page.getByRole("treeitem", { name: "Network" }).locator(".tree-row").first().click();
  await page.getByRole("treeitem", { name: "Active Connections" }).locator(".tree-row").first().click();
  await page.waitForFunction(() => document.querySelector("#view-title").textContent.startsWith("Active Connections"));
  await page.locator("#view table.list tbody tr").first().waitFor();
  const profiles = await page.locator("#view table.list tbody tr td:first-child").allTextContents();
  assert.ok(profiles.includes("DIALISP") && profiles.includes("LEASEDHQ"), profiles.join(","));

  await page.goto(`${console.origin}/#/s/DEMO/f/NPF`);
  await rightClick(page, "Dialisp");
  await menuEntry(page, "Active Connections").click();
  const dialog = pluginDialog(page);
  await dialog.waitFor();
  assert.equal(await dialog.locator("header").textContent(), "Active Point-to-Point Connections");
  const job = dialog.getByRole("button", { name: "Job", exact: true });
  assert.equal(await job.isDisabled(), true, "no connection is selected yet");
  await dialog.locator("tbody tr").filter({ hasText: "DIALISP" }).first().locator("td").first().click();
  await page.waitForFunction(() => {
    const button = [...document.querySelectorAll(".plugin-dialog button")].find((b) => b.textContent === "Job");
    return button && !button.disabled;
  });
  await job.click();
  // The console follows to its own view of the job, under the dialog.
  await page.waitForFunction(() => location.hash.startsWith("#/s/DEMO/v/job/"));
  await dialog.getByRole("button", { name: "Close" }).click();
  await dialog.waitFor({ state: "detached" });
  await page.waitForFunction(() => document.querySelector("#view-title").textContent.includes("QKTL_TOCPPP_SSN@DIALISP"));
  assert.deepEqual(problems, []);
});

// Relative luminance of a CSS rgb() colour, 0 for black to 1 for white.
function luminance(rgb) {
  const [r, g, b] = rgb.match(/\d+/g).slice(0, 3).map((v) => Number(v) / 255);
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

test("dark mode follows the system, and at 800 px wide the list, the tree and the task pad stay usable", async (t) => {
  const { console, page, problems } = await session(t);
  await page.emulateMedia({ colorScheme: "dark" });
  await page.setViewportSize({ width: 800, height: 700 });
  await openConsole(page, console, "#/s/DEMO/f/NMD");
  await row(page, "ISDN TA").waitFor();

  const colours = await page.evaluate(() => {
    const body = getComputedStyle(document.body);
    return { background: body.backgroundColor, text: body.color };
  });
  assert.ok(luminance(colours.background) < 0.2, colours.background);
  assert.ok(luminance(colours.text) > 0.7, colours.text);

  // Nothing pushes the page sideways, and what the administrator needs is inside the window.
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 800));
  for (const locator of [page.locator('#tasks button[data-task="28080"]'), row(page, "ISDN TA")]) {
    const box = await locator.boundingBox();
    assert.ok(box && box.x >= 0 && box.x < 800 && box.width > 0, JSON.stringify(box));
  }
  await rightClick(page, "ISDN TA");
  const menuBox = await menu(page).boundingBox();
  assert.ok(menuBox.x >= 0 && menuBox.x + menuBox.width <= 800, JSON.stringify(menuBox));
  await page.keyboard.press("Escape");
  await menu(page).waitFor({ state: "detached" });
  assert.deepEqual(problems, []);
});
