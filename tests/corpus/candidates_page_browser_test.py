#!/usr/bin/env python3
"""candidatos.html in headless Chromium, driven over the DevTools protocol.

Writes the sample corpus's page with WRITER into a temporary folder, opens it
from the file system (no network) and does what a reviewer does. Every step
waits on a reply or an event of the browser, never on a clock.

Usage: candidates_page_browser_test.py WRITER            (the test)
       candidates_page_browser_test.py WRITER --linhas N  (times a page of N rows)
"""
import datetime
import json
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time


def session_has_live_processes(session):
    """True while a process of `session` runs (a killed one that is not yet
    reaped is a zombie and writes nothing)."""
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                state, _parent, _group, process_session = stat.read().rsplit(")", 1)[1].split()[:4]
        except (OSError, ValueError):
            continue  # gone meanwhile
        if int(process_session) == session and state != "Z":
            return True
    return False


class HeadlessPage:
    """One tab of a headless Chromium whose DevTools pipe is fds 3 and 4."""

    def __init__(self, profile, downloads):
        commands_read, self._commands = os.pipe()
        self._replies, replies_write = os.pipe()

        def give_pipes():
            high_read, high_write = os.dup(commands_read), os.dup(replies_write)
            os.dup2(high_read, 3)
            os.dup2(high_write, 4)

        browser = shutil.which("chromium")
        if browser is None:
            sys.exit("chromium is not installed (apt-get install chromium)")
        # A session of its own, so that close() can end the browser with every
        # helper process it started.
        self.process = subprocess.Popen(
            [browser, "--headless", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--user-data-dir=" + str(profile), "--no-first-run", "--disable-extensions",
             "--disable-background-networking", "--disable-component-update", "about:blank"],
            close_fds=False, preexec_fn=give_pipes, start_new_session=True,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(replies_write)
        self._buffer, self._events, self._id, self._session = b"", [], 0, None
        target = self.send("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.send("Browser.setDownloadBehavior",
                  {"behavior": "allow", "downloadPath": str(downloads), "eventsEnabled": True})
        self._session = self.send("Target.attachToTarget",
                                  {"targetId": target, "flatten": True})["sessionId"]
        self.send("Page.enable")

    def close(self):
        """Ends the browser and its helpers, and waits until none of them can
        still write into the profile, so that the temporary folder can go."""
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()
        while session_has_live_processes(self.process.pid):
            time.sleep(0.01)
        os.close(self._commands)
        os.close(self._replies)

    def _receive(self):
        while b"\0" not in self._buffer:
            chunk = os.read(self._replies, 1 << 20)
            if not chunk:
                raise RuntimeError("Chromium closed its DevTools pipe")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None):
        """Sends a command (to the tab once attached) and returns its result."""
        self._id += 1
        message = {"id": self._id, "method": method, "params": params or {}}
        if self._session and not method.startswith(("Browser.", "Target.")):
            message["sessionId"] = self._session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        while (reply := self._receive()).get("id") != self._id:
            self._events.append(reply)
        if "error" in reply:
            raise RuntimeError(f"{method}: {reply['error']}")
        return reply["result"]

    def wait_for(self, method, matches=lambda params: True):
        """The first event `method`, received already or to come, that matches."""
        while True:
            for event in self._events:
                if event.get("method") == method and matches(event["params"]):
                    self._events.remove(event)
                    return event["params"]
            self._events.append(self._receive())

    def load(self, method, params=None):
        """Navigates or reloads, and waits until the page and its script ran."""
        self._events = [e for e in self._events if e.get("method") != "Page.loadEventFired"]
        self.send(method, params)
        self.wait_for("Page.loadEventFired")
        self.run(PAGE_HELPERS)

    def run(self, expression):
        """The value of a JavaScript expression in the page."""
        reply = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True})
        if "exceptionDetails" in reply:
            raise RuntimeError(f"{expression}: {reply['exceptionDetails']}")
        return reply["result"].get("value")


# The page's controls, used as a person would, and what the table shows.
PAGE_HELPERS = """
window.teste = {
  palavras: () => [...document.querySelectorAll('#candidatos tbody td.palavra')].map(t => t.textContent),
  ordenar: coluna => document.querySelector(`#candidatos th[data-coluna="${coluna}"]`).click(),
  mudar: (id, valor, evento) => {
    const e = document.getElementById(id);
    if (e.type === 'checkbox') e.checked = valor; else e.value = valor;
    e.dispatchEvent(new Event(evento || 'input'));
  },
  linha: palavra => [...document.querySelectorAll('#candidatos tbody tr')]
      .find(tr => tr.querySelector('td.palavra')?.textContent === palavra),
  decisao: palavra => [teste.linha(palavra).className, teste.linha(palavra).querySelector('.decisao input').value],
};
"""

ALL = ["tuitar", "Bolsonarismo", "excessão", "ciberativismo", "-se", "zapear"]


def check_page(page, write_page, downloads, expect):
    expect("run order", page.run("teste.palavras()"), ALL)
    expect("class counts", page.run("[...document.querySelectorAll('#classes button')].map(b => b.textContent)"),
           ["todas: 6", "nome próprio: 1", "sigla: 0", "estrangeirismo: 0", "formação: 2", "grafia: 1",
            "derivação regular: 0", "fragmento: 1", "outra: 1"])
    expect("dates and sparkline", page.run(
        "(td => [td.innerText, td.querySelectorAll('svg rect').length])"
        "(teste.linha('tuitar').querySelector('td.datas'))"), ["2024-01-15\na 2024-03-02", 2])

    # Markup in a document's name and in a sentence is shown, and nothing of it ran.
    page.run("teste.linha('tuitar').querySelector('button.ver-contextos').click()")
    expect("contexts on demand", page.run("[...document.querySelectorAll('tr.contextos li')].map(li => li.textContent)"),
           ["2024-01-15-jornal.txtVou tuitar isso.",
            '<img src=x onerror="window.atacado=1">.txt</script><script>window.atacado=2</script> tuitar <!-- fim',
            "2024-03-02 crônica\u2028.txtTuitar “sempre” – disse."])
    expect("nothing from the texts ran or became an element", page.run(
        "[typeof window.atacado, document.querySelectorAll('#candidatos img, #candidatos tbody script').length]"),
        ["undefined", 0])

    # Sorting by word both ways; by documents from the most, ties in the run's order.
    page.run("teste.ordenar('palavra')")
    ascending = ["-se", "Bolsonarismo", "ciberativismo", "excessão", "tuitar", "zapear"]
    expect("sorted by word", page.run("teste.palavras()"), ascending)
    page.run("teste.ordenar('palavra')")
    expect("sorted by word, descending", page.run("teste.palavras()"), ascending[::-1])
    page.run("teste.ordenar('documentos')")
    expect("sorted by documents", page.run("teste.palavras()"), ALL)

    page.run("teste.mudar('filtro-classe', 'formacao', 'change')")
    expect("class filter", page.run("teste.palavras()"), ["tuitar", "ciberativismo"])
    page.run("teste.mudar('filtro-classe', '', 'change'); teste.mudar('min-frequencia', '5')")
    expect("minimum frequency", page.run("teste.palavras()"), ALL[:3])
    page.run("teste.mudar('min-frequencia', ''); teste.mudar('busca', 'EXCESS')")
    expect("search", page.run("teste.palavras()"), ["excessão"])
    page.run("teste.mudar('busca', 'tuitares')")
    expect("search by another form", page.run("teste.palavras()"), ["tuitar"])

    # A mark and its note survive a reload; decided words can be hidden; the
    # download holds the run's decisions, also of words it did not meet, and the page's.
    page.run("teste.mudar('busca', ''); teste.linha('zapear').querySelector('[data-decisao=neologismo]').click()")
    page.run("(n => { n.value = 'verbo\\tde TV'; n.dispatchEvent(new Event('change')); })"
             "(teste.linha('zapear').querySelector('.decisao input'))")
    page.load("Page.reload")
    expect("marks after reload", [page.run("teste.decisao('zapear')"), page.run("teste.decisao('Bolsonarismo')")],
           [["neologismo", "verbo\tde TV"], ["rejeitada", "nome & <b>próprio</b>"]])
    page.run("teste.mudar('ocultar-decididas', true, 'change')")
    expect("decided words hidden", page.run("teste.palavras()"), ["tuitar", "excessão", "ciberativismo", "-se"])
    page.run("document.getElementById('salvar').click()")
    started = page.wait_for("Browser.downloadWillBegin")
    page.wait_for("Browser.downloadProgress", lambda p: p["guid"] == started["guid"] and p["state"] != "inProgress")
    expect("decisoes.tsv", (downloads / "decisoes.tsv").read_bytes().decode("utf-8"),
           "palavra\tdecisao\tnota\tdata\n"
           "blogar\tneologismo\tde 2023\t2023-05-01\n"
           "Bolsonarismo\trejeitada\tnome & <b>próprio</b>\t2026-01-02\n"
           f"zapear\tneologismo\tverbo de TV\t{datetime.date.today().isoformat()}\n")

    # A new run read zapear rejected from a decisoes.tsv edited by hand: the
    # file speaks, not the page's older mark.
    write_page(["--rejeitada", "zapear"])
    page.load("Page.reload")
    expect("decision of a new run", page.run("teste.decisao('zapear')"), ["rejeitada", "à mão"])

    # 250 rows: shown a hundred at a time.
    write_page(["250"])
    page.load("Page.reload")
    page.run("document.getElementById('seguinte').click()")
    expect("second page", [page.run("document.getElementById('pagina').textContent"),
                           page.run("teste.palavras()")],
           ["página 2 de 3", [f"palavr{i}ção" for i in range(100, 200)]])


def measure(page):
    """How long the page takes to open, filter and sort (printed, not judged)."""
    print(json.dumps(page.run("""(() => {
      const times = {aberta_ms: Math.round(performance.getEntriesByType('navigation')[0].loadEventEnd)};
      const time = (name, action) => { const start = performance.now(); action();
                                       times[name] = Math.round(performance.now() - start); };
      time('busca_ms', () => teste.mudar('busca', '99'));
      times.achadas = document.getElementById('contagem').textContent;
      time('classe_ms', () => { teste.mudar('busca', ''); teste.mudar('filtro-classe', 'grafia', 'change'); });
      time('ordenar_palavra_ms', () => teste.ordenar('palavra'));
      return times;
    })()"""), ensure_ascii=False))


def main():
    rows = sys.argv[3] if sys.argv[2:3] == ["--linhas"] else None
    failures = []

    def expect(what, actual, expected):
        if actual != expected:
            failures.append(f"FAIL {what}: got {actual!r}, expected {expected!r}")

    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        page_path = folder / "saida" / "candidatos.html"
        page_path.parent.mkdir()
        (folder / "downloads").mkdir()

        def write_page(arguments):
            subprocess.run([sys.argv[1], str(page_path)] + arguments, check=True)

        write_page([rows] if rows else [])
        page = HeadlessPage(folder / "perfil", folder / "downloads")
        try:
            page.load("Page.navigate", {"url": page_path.as_uri()})
            if rows:
                print(f"{page_path.stat().st_size / 1e6:.1f} MB, {rows} linhas")
                measure(page)
            else:
                check_page(page, write_page, folder / "downloads", expect)
        finally:
            page.close()
    print("\n".join(failures) or "OK")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
