// Appended to the engine's script (emcc --extern-post-js), so that the page
// and the cutting list's worker, which runs a copy of that script, both have
// it: the engine from a compiled WebAssembly.Module, instantiated at once.
// The page compiles the module from its own base64 text (engine.js); the
// script itself holds no WebAssembly and never fetches any.
function SegcalcEngineFrom(module) {
  return SegcalcEngine({
    instantiateWasm(imports, receiveInstance) {
      const instance = new WebAssembly.Instance(module, imports);
      receiveInstance(instance, module);
      return instance.exports;
    },
  });
}
