// Finding one's way as in every console: the address names the folder, the tree shows it, and
// double-click or Enter on a row does what the row's menu marks as its default.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions } from "./support.mjs";
import { openConsole, pluginDialog, row } from "./console_page.mjs";

const session = consoleSessions();

async function viewTitleStarts(page, text) {
  await page.waitForFunction((wanted) => document.querySelector("#view-title").textContent.startsWith(wanted), text);
}

function treeItem(page, name) {
  return page.getByRole("treeitem", { name, exact: true });
}

async function selectedInTree(page) {
  return page.getAttribute('#tree [role="treeitem"][aria-selected="true"]', "aria-label");
}

test("the address names a folder: it is revealed in the tree, and it follows the user and Back", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  // A bookmark of a folder four levels down, opened in a fresh tab of the signed-in browser.
  const bookmark = await session.browser().context.newPage();
  t.after(() => bookmark.close());
  await bookmark.goto(`${console.origin}/#/s/DEMO/f/NGP`);
  await viewTitleStarts(bookmark, "Group Access Policies");
  await treeItem(bookmark, "Group Access Policies").locator(".tree-row").waitFor({ state: "visible" });
  assert.equal(await selectedInTree(bookmark), "Group Access Policies");
  for (const above of ["DEMO", "Network", "Remote Access Services", "Receiver Connection Profiles"]) {
    assert.equal(await treeItem(bookmark, above).getAttribute("aria-expanded"), "true", above);
  }

  // The address follows the tree, and Back returns to the folder before.
  await treeItem(bookmark, "Modems").locator(".tree-row").first().click();
  await viewTitleStarts(bookmark, "Modems");
  assert.match(bookmark.url(), /#\/s\/DEMO\/f\/NMD$/);
  await bookmark.goBack();
  await viewTitleStarts(bookmark, "Group Access Policies");
  assert.equal(await selectedInTree(bookmark), "Group Access Policies");

  // A view of the console is an address too, and survives a reload.
  await treeItem(bookmark, "Command Log").locator(".tree-row").first().click();
  await viewTitleStarts(bookmark, "Command Log");
  await bookmark.reload();
  await viewTitleStarts(bookmark, "Command Log");
  assert.equal(await selectedInTree(bookmark), "Command Log");
  assert.match(bookmark.url(), /#\/s\/DEMO\/v\/log\/?$/);
  // Nothing has run a command yet, and the view says so in its own words.
  assert.equal(await bookmark.locator("#view p.empty").textContent(), "No commands have been logged yet.");
  assert.deepEqual(problems, []);
});

test("double-click or Enter on a row runs its menu's default entry", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console, "#/s/DEMO/f/NPP");
  // A folder row opens its folder.
  await row(page, "Modems").dblclick();
  await viewTitleStarts(page, "Modems");
  assert.match(page.url(), /#\/s\/DEMO\/f\/NMD$/);
  assert.equal(await selectedInTree(page), "Modems");

  // A modem opens its properties.
  await row(page, "ISDN TA").dblclick();
  const sheet = pluginDialog(page);
  await sheet.waitFor();
  assert.match(await sheet.locator("header").textContent(), /ISDN TA/);
  await sheet.getByRole("button", { name: "Cancel", exact: true }).click();
  await sheet.waitFor({ state: "detached" });

  // From the keyboard: the group policies row of the receiver folder opens its folder...
  await page.goto(`${console.origin}/#/s/DEMO/f/NRC`);
  await row(page, "Group Access Policies").locator("td").first().click();
  await page.keyboard.press("Enter");
  await viewTitleStarts(page, "Group Access Policies");
  assert.match(page.url(), /#\/s\/DEMO\/f\/NGP$/);

  // ...and a profile opens its properties.
  await page.goto(`${console.origin}/#/s/DEMO/f/NPF`);
  await row(page, "Branchdod").locator("td").first().click();
  await page.keyboard.press("Enter");
  const profileSheet = pluginDialog(page);
  await profileSheet.waitFor();
  assert.match(await profileSheet.locator("header").textContent(), /Branchdod/);
  await profileSheet.getByRole("button", { name: "Cancel", exact: true }).click();
  await profileSheet.waitFor({ state: "detached" });
  assert.deepEqual(problems, []);
});
