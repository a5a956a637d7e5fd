// The page behind the Flash control. The control drives it through window.showsaver and hears
// from it through console lines that start with "showsaver:".
"use strict";

// This web engine refuses fetch() on the page's own scheme; XMLHttpRequest works, so Ruffle's
// own fetches of its code go through it.
window.fetch = function (input, init) {
  const url = input instanceof Request ? input.url : String(input);
  return new Promise((resolve, reject) => {
    const request = new XMLHttpRequest();
    request.open((init && init.method) || "GET", new URL(url, document.baseURI).href);
    request.responseType = "arraybuffer";
    request.onload = () => resolve(new Response(request.response, {
      status: request.status || 200,
      headers: { "Content-Type": request.getResponseHeader("Content-Type") || "" },
    }));
    request.onerror = () => reject(new TypeError("Failed to fetch " + url));
    request.send((init && init.body) || null);
  });
};

window.RufflePlayer = window.RufflePlayer || {};
window.RufflePlayer.config = {
  publicPath: "ruffle/",
  polyfills: false,
  autoplay: "off",
  unmuteOverlay: "hidden",
  splashScreen: false,
  contextMenu: "off",
  letterbox: "off",
  warnOnUnsupportedContent: false,
  showSwfDownload: false,
  logLevel: "error",
};

// Without WebGL (no GPU, or a blocklisted one) Ruffle would try its WebGL renderers for every
// movie before falling back to the canvas; go to the canvas at once.
(() => {
  const canvas = document.createElement("canvas");
  if (!canvas.getContext("webgl2") && !canvas.getContext("webgl")) {
    window.RufflePlayer.config.preferredRenderer = "canvas";
  }
})();

window.showsaver = (() => {
  let player = null;
  let movie = null;  // Ruffle's metadata of the loaded movie
  let scaleMode = 0;
  let serial = 0;

  function tell(text) {
    console.log("showsaver:" + text);
  }

  // The box takes the movie's proportions, so that the page's own colour fills the bars.
  function layout() {
    const box = document.getElementById("box");
    const width = window.innerWidth;
    const height = window.innerHeight;
    let w = width;
    let h = height;
    if (movie && movie.width > 0 && movie.height > 0 && scaleMode !== 2) {
      const fit = scaleMode === 3 ? 1
        : (scaleMode === 1 ? Math.max : Math.min)(width / movie.width, height / movie.height);
      w = movie.width * fit;
      h = movie.height * fit;
    }
    box.style.left = (width - w) / 2 + "px";
    box.style.top = (height - h) / 2 + "px";
    box.style.width = w + "px";
    box.style.height = h + "px";
  }

  function fetchMovie(url) {
    return new Promise((resolve, reject) => {
      const request = new XMLHttpRequest();
      request.open("GET", url);
      request.responseType = "arraybuffer";
      request.onload = () => request.status === 200 ? resolve(request.response)
        : reject(new Error("movie request failed: " + request.status));
      request.onerror = () => reject(new Error("movie request failed"));
      request.send();
    });
  }

  function create() {
    player = window.RufflePlayer.newest().createPlayer();
    document.getElementById("box").appendChild(player);
    player.addEventListener("loadedmetadata", () => {
      movie = player.ruffle().metadata;
      layout();
      tell("loaded " + serial + " " + JSON.stringify({
        frames: movie.numFrames, rate: movie.frameRate, width: movie.width,
        height: movie.height, as3: !!movie.isActionScript3,
      }));
    });
    player.ruffle().addFSCommandHandler((command, args) => {
      if (command === "frame") tell("frame " + args);
    });
  }

  window.addEventListener("resize", layout);
  window.addEventListener("DOMContentLoaded", () => {
    create();
    tell("ready");
  });

  return {
    load(id, url, options) {
      serial = id;
      movie = null;
      scaleMode = options.scaleMode;
      document.body.style.background = options.background;
      fetchMovie(url).then((data) => player.ruffle().load({
        data: data,
        scale: scaleMode === 2 ? "exactFit" : "showAll",
        forceScale: true,
        backgroundColor: options.background,
        autoplay: "off",
        allowScriptAccess: true,
        allowNetworking: "all",
        openUrlMode: "deny",
        volume: options.volume,
      })).catch((error) => tell("error " + id + " " + error));
    },
    play() { if (player) player.ruffle().resume(); },
    stop() { if (player) player.ruffle().suspend(); },
    setBackground(color) {
      document.body.style.background = color;
    },
    setScaleMode(mode) {
      scaleMode = mode;
      layout();
    },
    setVolume(volume) { if (player) player.ruffle().volume = volume; },
  };
})();
