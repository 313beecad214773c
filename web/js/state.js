// The job lives in the address's fragment (#...), which the browser never
// sends anywhere: a link or a bookmark brings the same inputs back. A copy
// of the page that the window's 工作台 wrote carries its job in a data block
// instead, since a file address loses its fragment on the way to the browser.
"use strict";

SC.state = (() => {
  // A cutting list (or a list of measured points) longer than this stays out
  // of the address: it is pasted or opened again instead.
  const kMaxListInAddress = 2000;
  const kLists = new Set(["list", "fp"]);
  const fields = new Map(); // fragment key -> element
  let restoring = false;

  // Each form element saved under a short key, which starts with its tab's
  // letter (c, e, l); check boxes as 1 or 0.
  function add(key, element) {
    fields.set(key, element);
    element.addEventListener(element.type === "checkbox" || element.tagName === "SELECT" ? "change" : "input", save);
  }

  // A group of radio buttons saved as the value of the one checked.
  function addGroup(key, inputs) {
    const group = {
      type: "radio-group",
      // The first is the default, saved as nothing.
      get value() {
        const checked = inputs.find((input) => input.checked);
        return checked && checked !== inputs[0] ? checked.value : "";
      },
      set value(text) {
        for (const input of inputs) input.checked = input.value === text;
        if (!inputs.some((input) => input.checked) && inputs.length) inputs[0].checked = true;
      },
    };
    fields.set(key, group);
    for (const input of inputs) input.addEventListener("change", save);
  }

  function save() {
    if (restoring) return;
    const params = new URLSearchParams();
    params.set("t", SC.tabs ? SC.tabs.current() : "calc");
    // Separators a job brought with it stay with the job.
    if (SC.separators.fromJob) {
      params.set("sd", SC.separators.decimal);
      params.set("sg", SC.separators.thousands);
    }
    for (const [key, element] of fields) {
      if (element.type === "checkbox") {
        params.set(key, element.checked ? "1" : "0");
      } else if (!kLists.has(key) || element.value.length <= kMaxListInAddress) {
        if (element.value !== "") params.set(key, element.value);
      }
    }
    history.replaceState(null, "", "#" + params.toString());
  }

  // The saved values, or null when there are none: the address's, else
  // those of the page's job block.
  function read() {
    const text = location.hash.replace(/^#/, "");
    if (text) return new URLSearchParams(text);
    const block = document.getElementById("segcalc-job");
    if (!block) return null;
    let job;
    try {
      job = JSON.parse(block.textContent);
    } catch {
      return null;
    }
    if (!job || typeof job !== "object") return null;
    return new URLSearchParams(Object.entries(job).filter(([, value]) => typeof value === "string"));
  }

  // Puts the saved values back into the form elements whose keys start with
  // prefix (all when empty); says whether any was there.
  function restore(params, prefix) {
    const any = [...fields.keys()].some((key) => key.startsWith(prefix) && params.has(key));
    restoring = true;
    if (any) {
      for (const [key, element] of fields) {
        if (!key.startsWith(prefix)) continue;
        const value = params.get(key);
        if (element.type === "checkbox") {
          if (value !== null) element.checked = value === "1";
        } else if (element.type === "radio-group") {
          element.value = value === null ? "" : value;
        } else if (element.tagName === "SELECT") {
          if (value !== null) element.value = value;
        } else {
          element.value = value === null ? "" : value;
        }
      }
    }
    restoring = false;
    return any;
  }

  return { add, addGroup, save, read, restore };
})();
