#!/usr/bin/env python3
"""candidatos.html in headless Chromium, driven over the DevTools protocol.

Writes the sample corpus's page with WRITER into a temporary folder, opens it
from the file system (no network), and checks what a reviewer does: sorting,
the class filter, the search box, the minimum frequency, the contexts on
demand, marks that survive a reload and the download of decisoes.tsv. Every
step waits on an event or a condition of the page, never on a clock.

Usage: candidates_page_browser_test.py WRITER            (the test)
       candidates_page_browser_test.py WRITER --linhas N  (times N rows)
"""
import datetime
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile


class Chromium:
    """A headless Chromium whose DevTools protocol runs over fds 3 and 4."""

    def __init__(self, profile):
        commands_read, self._commands = os.pipe()
        self._replies, replies_write = os.pipe()

        def give_pipes():
            # Chromium reads commands from fd 3 and writes replies to fd 4.
            high_read, high_write = os.dup(commands_read), os.dup(replies_write)
            os.dup2(high_read, 3)
            os.dup2(high_write, 4)

        browser = shutil.which("chromium") or shutil.which("chromium-browser")
        if browser is None:
            sys.exit("chromium is not installed (apt-get install chromium)")
        self.process = subprocess.Popen(
            [browser, "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--user-data-dir=" + str(profile), "--no-first-run", "--no-default-browser-check",
             "--disable-extensions", "--disable-background-networking", "--disable-sync",
             "--disable-component-update", "--allow-file-access-from-files", "about:blank"],
            close_fds=False, preexec_fn=give_pipes,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(replies_write)
        self._buffer = b""
        self._events = []
        self._next_id = 0

    def close(self):
        os.close(self._commands)
        self.process.kill()
        self.process.wait()
        os.close(self._replies)

    def _receive(self):
        while b"\0" not in self._buffer:
            chunk = os.read(self._replies, 1 << 20)
            if not chunk:
                raise RuntimeError("Chromium closed its DevTools pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._receive()
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]
            self._events.append(reply)

    def wait_for(self, method, matches=lambda params: True):
        """The first event `method` (already received or to come) that matches."""
        while True:
            for event in self._events:
                if event.get("method") == method and matches(event.get("params", {})):
                    self._events.remove(event)
                    return event["params"]
            self._events.append(self._receive())


class Page:
    def __init__(self, browser, downloads):
        self.browser = browser
        target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = browser.send("Target.attachToTarget",
                                    {"targetId": target, "flatten": True})["sessionId"]
        browser.send("Browser.setDownloadBehavior",
                     {"behavior": "allow", "downloadPath": str(downloads), "eventsEnabled": True})
        browser.send("Page.enable", session=self.session)

    def _loaded(self, start):
        browser = self.browser
        browser._events = [e for e in browser._events if e.get("method") != "Page.loadEventFired"]
        start()
        browser.wait_for("Page.loadEventFired")

    def open(self, url):
        self._loaded(lambda: self.browser.send("Page.navigate", {"url": url}, self.session))

    def reload(self):
        self._loaded(lambda: self.browser.send("Page.reload", {}, self.session))

    def run(self, expression):
        """The value of a JavaScript expression in the page (promises awaited)."""
        reply = self.browser.send("Runtime.evaluate", {
            "expression": expression, "returnByValue": True, "awaitPromise": True}, self.session)
        if "exceptionDetails" in reply:
            raise RuntimeError(f"{expression}: {reply['exceptionDetails']}")
        return reply["result"].get("value")


# Helpers the checks call inside the page: they use the page's controls as a
# person would, and read what the table shows.
PAGE_HELPERS = """
window.teste = {
  palavras: () => [...document.querySelectorAll('#candidatos tbody td.palavra')].map(t => t.textContent),
  ordenar: coluna => document.querySelector(`#candidatos th[data-coluna="${coluna}"]`).click(),
  digitar: (id, texto) => {
    const e = document.getElementById(id); e.value = texto; e.dispatchEvent(new Event('input'));
  },
  escolher: (id, valor) => {
    const e = document.getElementById(id); e.value = valor; e.dispatchEvent(new Event('change'));
  },
  linha: palavra => [...document.querySelectorAll('#candidatos tbody tr')]
      .find(tr => tr.querySelector('td.palavra') && tr.querySelector('td.palavra').textContent === palavra),
};
"""


class Checks:
    def __init__(self):
        self.failures = []

    def equal(self, what, actual, expected):
        if actual != expected:
            self.failures.append(f"{what}: got {actual!r}, expected {expected!r}")


def check_page(page, write_page, downloads, checks):
    page.run(PAGE_HELPERS)
    checks.equal("ready", page.run("document.body.dataset.pronta"), "sim")
    checks.equal("run order", page.run("teste.palavras()"),
                 ["tuitar", "Bolsonarismo", "excessão", "ciberativismo", "-se", "zapear"])
    checks.equal("counts", page.run("document.getElementById('contagem').textContent"),
                 "6 de 6 palavras")
    checks.equal("class counts", page.run(
        "[...document.querySelectorAll('#classes button')].map(b => b.textContent)"),
        ["todas: 6", "nome próprio: 1", "sigla: 0", "estrangeirismo: 0", "formação: 2",
         "grafia: 1", "derivação regular: 0", "fragmento: 1", "outra: 1"])

    # Markup in the texts is shown, and nothing of it ran.
    checks.equal("no script ran", page.run("typeof window.atacado"), "undefined")
    checks.equal("no element from the texts", page.run(
        "document.querySelectorAll('#candidatos img, #candidatos tbody script').length"), 0)
    page.run("teste.linha('tuitar').querySelector('button.ver-contextos').click()")
    checks.equal("contexts on demand", page.run(
        "[...document.querySelectorAll('tr.contextos li')].map(li => li.textContent)"),
        ["2024-01-15-jornal.txtVou tuitar isso.",
         '<img src=x onerror="window.atacado=1">.txt'
         "</script><script>window.atacado=2</script> tuitar <!-- fim",
         "2024-03-02 crônica\u2028.txtTuitar “sempre” – disse."])
    checks.equal("dates and sparkline", page.run(
        "(td => [td.querySelector('span').textContent, td.querySelectorAll('svg rect').length])"
        "(teste.linha('tuitar').querySelector('td.datas'))"), ["2024-01-15 a 2024-03-02", 2])
    checks.equal("no script ran after the contexts opened", page.run("typeof window.atacado"),
                 "undefined")

    # Sorting: by word both ways, then by frequency from the largest.
    page.run("teste.ordenar('palavra')")
    ascending = page.run("teste.palavras()")
    checks.equal("sorted by word", ascending,
                 ["-se", "Bolsonarismo", "ciberativismo", "excessão", "tuitar", "zapear"])
    page.run("teste.ordenar('palavra')")
    checks.equal("sorted by word, descending", page.run("teste.palavras()"), ascending[::-1])
    # Ties keep the run's order.
    page.run("teste.ordenar('documentos')")
    checks.equal("sorted by documents", page.run("teste.palavras()"),
                 ["tuitar", "Bolsonarismo", "excessão", "ciberativismo", "-se", "zapear"])

    # Filters: class, minimum frequency, search (also by another form).
    page.run("teste.escolher('filtro-classe', 'formacao')")
    checks.equal("class filter", page.run("teste.palavras()"), ["tuitar", "ciberativismo"])
    page.run("teste.escolher('filtro-classe', '')")
    page.run("teste.digitar('min-frequencia', '5')")
    checks.equal("minimum frequency", page.run("teste.palavras()"),
                 ["tuitar", "Bolsonarismo", "excessão"])
    page.run("teste.digitar('min-frequencia', '')")
    page.run("teste.digitar('busca', 'EXCESS')")
    checks.equal("search", page.run("teste.palavras()"), ["excessão"])
    page.run("teste.digitar('busca', 'tuitares')")
    checks.equal("search by another form", page.run("teste.palavras()"), ["tuitar"])
    page.run("teste.digitar('busca', '')")

    # Decisions: a mark and its note survive a reload, the filter hides
    # decided words, and the download holds the run's and the page's.
    page.run("teste.linha('zapear').querySelector('button[data-decisao=neologismo]').click()")
    page.run("(n => { n.value = 'verbo\\tde TV'; n.dispatchEvent(new Event('change')); })"
             "(teste.linha('zapear').querySelector('.decisao input'))")
    page.reload()
    page.run(PAGE_HELPERS)
    checks.equal("mark after reload", page.run(
        "[teste.linha('zapear').className, teste.linha('zapear').querySelector('.decisao input').value]"),
        ["neologismo", "verbo\tde TV"])
    checks.equal("decision of the run", page.run("teste.linha('Bolsonarismo').className"),
                 "rejeitada")
    page.run("(c => { c.checked = true; c.dispatchEvent(new Event('change')); })"
             "(document.getElementById('ocultar-decididas'))")
    checks.equal("decided words hidden", page.run("teste.palavras()"),
                 ["tuitar", "excessão", "ciberativismo", "-se"])

    page.run("document.getElementById('salvar').click()")
    started = page.browser.wait_for("Browser.downloadWillBegin")
    page.browser.wait_for("Browser.downloadProgress",
                          lambda p: p["guid"] == started["guid"] and p["state"] != "inProgress")
    saved = downloads / started["suggestedFilename"]
    checks.equal("download name", started["suggestedFilename"], "decisoes.tsv")
    checks.equal("decisoes.tsv", saved.read_bytes().decode("utf-8"),
                 "palavra\tdecisao\tnota\tdata\n"
                 "Bolsonarismo\trejeitada\tnome & <b>próprio</b>\t2026-01-02\n"
                 f"zapear\tneologismo\tverbo de TV\t{datetime.date.today().isoformat()}\n")

    # A new run that read zapear rejected from a decisoes.tsv edited by
    # hand: the file speaks, not the page's older mark.
    write_page(["--rejeitada", "zapear"])
    page.reload()
    page.run(PAGE_HELPERS)
    page.run("(c => { c.checked = false; c.dispatchEvent(new Event('change')); })"
             "(document.getElementById('ocultar-decididas'))")
    checks.equal("decision of a new run", page.run(
        "[teste.linha('zapear').className, teste.linha('zapear').querySelector('.decisao input').value]"),
        ["rejeitada", "à mão"])


def measure(page):
    """How long the page takes to show its rows and to filter them."""
    page.run(PAGE_HELPERS)
    timing = page.run("""(() => {
      const t = performance.getEntriesByType('navigation')[0];
      const times = {carregada_ms: Math.round(t.loadEventEnd)};
      let start = performance.now();
      teste.digitar('busca', '99');
      times.busca_ms = Math.round(performance.now() - start);
      times.achadas = document.getElementById('contagem').textContent;
      teste.digitar('busca', '');
      start = performance.now();
      teste.escolher('filtro-classe', 'grafia');
      times.classe_ms = Math.round(performance.now() - start);
      start = performance.now();
      teste.ordenar('palavra');
      times.ordenar_palavra_ms = Math.round(performance.now() - start);
      return times;
    })()""")
    print(json.dumps(timing, ensure_ascii=False))


def main():
    writer = sys.argv[1]
    rows = int(sys.argv[3]) if len(sys.argv) == 4 and sys.argv[2] == "--linhas" else None
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        page_path = folder / "saida" / "candidatos.html"
        page_path.parent.mkdir()
        downloads = folder / "downloads"
        downloads.mkdir()
        def write_page(arguments):
            subprocess.run([writer, str(page_path)] + arguments, check=True)

        write_page([str(rows)] if rows else [])
        browser = Chromium(folder / "perfil")
        checks = Checks()
        try:
            page = Page(browser, downloads)
            page.open(page_path.as_uri())
            if rows:
                print(f"{page_path.stat().st_size / 1e6:.1f} MB, {rows} linhas")
                measure(page)
            else:
                check_page(page, write_page, downloads, checks)
        finally:
            browser.close()
    for failure in checks.failures:
        print("FAIL", failure)
    print("OK" if not checks.failures else f"{len(checks.failures)} failed")
    return 1 if checks.failures else 0


if __name__ == "__main__":
    sys.exit(main())
