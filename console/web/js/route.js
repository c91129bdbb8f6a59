// Where the user is. The address holds the system and the folder or view, so a reload, a
// bookmark and the browser's Back button all find it again: "#/s/DEMO/f/NPF",
// "#/s/DEMO/v/jobs/QKTL_".

export function parseRoute(hash = location.hash) {
  const parts = hash.replace(/^#\/?/, "").split("/").map(decodeURIComponent);
  const route = { system: "", folder: "", view: "", arg: "" };
  if (parts[0] === "s" && parts[1]) route.system = parts[1];
  if (parts[2] === "f" && parts[3]) route.folder = parts[3];
  if (parts[2] === "v" && parts[3]) {
    route.view = parts[3];
    route.arg = parts.slice(4).join("/");
  }
  return route;
}

function viewPart(route) {
  let part = "/v/" + encodeURIComponent(route.view);
  if (route.arg) part += "/" + route.arg.split("/").map(encodeURIComponent).join("/");
  return part;
}

function routeHash(route) {
  if (!route.system) return "#/";
  let hash = "#/s/" + encodeURIComponent(route.system);
  if (route.folder) hash += "/f/" + encodeURIComponent(route.folder);
  if (route.view) hash += viewPart(route);
  return hash;
}

// Goes to `route`; going where the page already is shows it again.
export function navigate(route) {
  const hash = routeHash(route);
  if (location.hash === hash) window.dispatchEvent(new HashChangeEvent("hashchange"));
  else location.hash = hash;
}

// The tree node that stands for a route.
export function routeKey(route) {
  if (route.folder) return `${route.system}/f/${route.folder}`;
  if (route.view) return `${route.system}/v/${route.view}/${route.view === "jobs" ? route.arg : ""}`;
  return route.system || "";
}
